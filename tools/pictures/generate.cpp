// Paints Pathora's pictures. Run it from the build tree:
//   cmake --build build --target pathora_pictures && QT_QPA_PLATFORM=offscreen build/pathora_pictures .
// It writes the files below (relative to the given repository root), each at 1x and 2x, and the
// application icon at every size of the icon theme; the outputs are committed.
#include "book/layout/geometry.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>

namespace {

const QColor kWoodDark(0x5e, 0x3c, 0x1f);
const QColor kWood(0x8c, 0x5c, 0x30);
const QColor kWoodLight(0xc8, 0x96, 0x5a);
const QColor kLeaf(0x3f, 0x7d, 0x4e);
const QColor kLeafDeep(0x2b, 0x5c, 0x38);
const QColor kLeafPale(0x8f, 0xb7, 0x84);
const QColor kInk(0x2e, 0x1e, 0x0f);
const QColor kCream(0xfc, 0xf3, 0xe2);
const QColor kCreamLight(0xff, 0xf8, 0xec);
const QColor kAccent(0xe8, 0xa3, 0x3d);
const QColor kAccentLight(0xf7, 0xc9, 0x6e);
const QColor kSkin(0xe3, 0xa9, 0x7a);

const char *const kSans = "Noto Sans CJK SC";
const char *const kSerif = "Noto Serif CJK SC";

// The cover is 630 px wide but shown in a 625 px block, so its composition is centred on the
// visible width; the enter button and the web-site line are separate pictures laid over it.
const QSize kCoverSize = PictureSize::kCover;
const double kCoverAxis = PictureSize::kCoverBlock.width() / 2.0;
const QRect kEnterOnCover = PageGeometry::kEnterOnCover;
const QRect kSiteOnCover = PageGeometry::kSiteLineOnCover;

QFont font(const char *family, int px, bool bold = false, double spacing = 0)
{
    QFont f(QString::fromUtf8(family));
    f.setPixelSize(px);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    if (spacing != 0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    return f;
}

void drawText(QPainter &p, const QRectF &r, const char *text, const QFont &f, const QColor &c,
              int align = Qt::AlignCenter)
{
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, align, QString::fromUtf8(text));
}

double textWidth(const char *text, const QFont &f)
{
    return QFontMetricsF(f).horizontalAdvance(QString::fromUtf8(text));
}

// An image of `size` logical pixels at `scale` device pixels each: painting on it uses logical
// coordinates, so every picture is drawn by the same code at 1x and at 2x.
QImage blank(const QSize &size, double scale, QImage::Format format)
{
    QImage img(size * scale, format);
    img.setDevicePixelRatio(scale);
    return img;
}

QImage canvas(const QSize &size, double scale)
{
    QImage img = blank(size, scale, QImage::Format_RGB32);
    img.fill(kCream);
    return img;
}

QImage transparentCanvas(const QSize &size, double scale)
{
    QImage img = blank(size, scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void beginPainting(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

// A tileable wood grain: soft rings bent by a slow wave, period 256 logical pixels both ways.
QImage woodTexture(double scale)
{
    const int n = 256;
    QImage img = blank(QSize(n, n), scale, QImage::Format_RGB32);
    for (int py = 0; py < img.height(); ++py) {
        for (int px = 0; px < img.width(); ++px) {
            const double x = px / scale, y = py / scale;
            const double tx = 2 * M_PI * x / n, ty = 2 * M_PI * y / n;
            const double bend = 5.0 * std::sin(tx + 0.7 * std::sin(2 * ty)) + 2.0 * std::sin(3 * tx + ty);
            const double ring = 0.5 + 0.5 * std::sin((y + bend) * 2 * M_PI / 16.0 * 1.0 + 0.8 * std::sin(2 * tx));
            const double fine = 0.5 + 0.5 * std::sin((y + bend * 0.6) * 2 * M_PI / 4.0);
            const double t = 0.62 * std::pow(ring, 2.2) + 0.18 * fine;
            const QColor a(0x7a, 0x4d, 0x27), b(0x5a, 0x38, 0x1b);
            img.setPixel(px, py, qRgb(int(a.red() * (1 - t) + b.red() * t), int(a.green() * (1 - t) + b.green() * t),
                                    int(a.blue() * (1 - t) + b.blue() * t)));
        }
    }
    return img;
}

// A wood surface like the window frame's, shaded from top to bottom so type on it stays legible.
void paintWoodPanel(QPainter &p, const QPainterPath &shape, double top, double bottom, int shade)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(woodTexture(p.device()->devicePixelRatioF())));
    p.drawPath(shape);
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, QColor(255, 230, 190, 40));
    g.setColorAt(0.5, QColor(0, 0, 0, 0));
    g.setColorAt(1, QColor(30, 15, 5, shade));
    p.setBrush(g);
    p.drawPath(shape);
    p.restore();
}

// The publisher's mark: an open book whose pages rise into a path towards a small sun.
void paintMark(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath book;
    const double w = r.width(), h = r.height();
    const QPointF c(r.center().x(), r.top() + h * 0.78);
    book.moveTo(c);
    book.cubicTo(c + QPointF(-w * 0.18, -h * 0.16), c + QPointF(-w * 0.36, -h * 0.14), c + QPointF(-w * 0.48, -h * 0.04));
    book.lineTo(c + QPointF(-w * 0.48, h * 0.16));
    book.cubicTo(c + QPointF(-w * 0.34, h * 0.06), c + QPointF(-w * 0.16, h * 0.06), c + QPointF(0, h * 0.18));
    book.cubicTo(c + QPointF(w * 0.16, h * 0.06), c + QPointF(w * 0.34, h * 0.06), c + QPointF(w * 0.48, h * 0.16));
    book.lineTo(c + QPointF(w * 0.48, -h * 0.04));
    book.cubicTo(c + QPointF(w * 0.36, -h * 0.14), c + QPointF(w * 0.18, -h * 0.16), c);
    p.setPen(Qt::NoPen);
    p.setBrush(kWood);
    p.drawPath(book);
    // The road rising from the spine.
    QPainterPath road;
    road.moveTo(c + QPointF(-w * 0.10, -h * 0.02));
    road.cubicTo(c + QPointF(-w * 0.02, -h * 0.30), c + QPointF(w * 0.20, -h * 0.30), c + QPointF(w * 0.10, -h * 0.62));
    road.lineTo(c + QPointF(w * 0.16, -h * 0.62));
    road.cubicTo(c + QPointF(w * 0.30, -h * 0.30), c + QPointF(w * 0.06, -h * 0.26), c + QPointF(w * 0.10, -h * 0.02));
    road.closeSubpath();
    p.setBrush(kLeaf);
    p.drawPath(road);
    p.setBrush(kAccent);
    p.drawEllipse(c + QPointF(w * 0.30, -h * 0.62), w * 0.09, w * 0.09);
    p.restore();
}

// The mark with the name "Norwell教育", in the 137 x 57 box of the logo picture.
void paintLogo(QPainter &p)
{
    paintMark(p, QRectF(2, 4, 44, 46));
    drawText(p, QRectF(48, 6, 89, 26), "Norwell", font(kSerif, 19, true), kWoodDark, Qt::AlignLeft | Qt::AlignVCenter);
    drawText(p, QRectF(49, 28, 88, 20), "教育", font(kSans, 15, true), kLeaf, Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(QPen(kWoodLight, 1));
    p.drawLine(QPointF(86, 38.5), QPointF(134, 38.5));
}

QImage logo(double scale)
{
    QImage img = transparentCanvas(PictureSize::kLogo, scale);
    QPainter p(&img);
    beginPainting(p);
    paintLogo(p);
    return img;
}

// The application icon, drawn for each size in whole device pixels: the border keeps a whole
// pixel width on the pixel grid, and the mark fills more of the tile at the smallest sizes.
QImage icon(int px)
{
    QImage img(px, px, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double unit = px / 48.0;
    const double pen = qMax(1, qRound(px / 24.0));
    QLinearGradient g(0, 0, 0, px);
    g.setColorAt(0, kCream);
    g.setColorAt(1, QColor(0xee, 0xdc, 0xbd));
    p.setBrush(g);
    p.setPen(QPen(kWood, pen));
    p.drawRoundedRect(QRectF(pen / 2, pen / 2, px - pen, px - pen), 9 * unit, 9 * unit);
    const QRectF mark = px >= 32 ? QRectF(5 * unit, 4 * unit, 38 * unit, 40 * unit)
                                 : QRectF(2 * unit, 1 * unit, 44 * unit, 46 * unit);
    paintMark(p, mark);
    return img;
}

// ---------------------------------------------------------------------------------------------
// Shared motifs

// A short rule with a diamond in the middle, the ornament under titles.
void paintOrnament(QPainter &p, const QPointF &centre, double halfWidth, const QColor &line, const QColor &gem)
{
    p.save();
    p.setPen(QPen(line, 1.2));
    p.drawLine(centre + QPointF(-halfWidth, 0), centre + QPointF(-9, 0));
    p.drawLine(centre + QPointF(9, 0), centre + QPointF(halfWidth, 0));
    QPainterPath diamond;
    diamond.moveTo(centre + QPointF(0, -4.5));
    diamond.lineTo(centre + QPointF(4.5, 0));
    diamond.lineTo(centre + QPointF(0, 4.5));
    diamond.lineTo(centre + QPointF(-4.5, 0));
    diamond.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(gem);
    p.drawPath(diamond);
    p.restore();
}

// A rounded tag or button.
void paintPill(QPainter &p, const QRectF &r, const QBrush &fill)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
    p.restore();
}

// The "go on" sign of every clickable picture.
void paintChevron(QPainter &p, const QPointF &c, double size, const QColor &ink)
{
    p.save();
    p.setPen(QPen(ink, size * 0.45, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({c + QPointF(-size * 0.5, -size), c + QPointF(size * 0.5, 0), c + QPointF(-size * 0.5, size)}));
    p.restore();
}

// The warm sky of a sunrise, from `top` down to the horizon.
QLinearGradient dawnSky(double top, double horizon)
{
    QLinearGradient sky(0, top, 0, horizon);
    sky.setColorAt(0, QColor(0xf3, 0xc6, 0x86));
    sky.setColorAt(0.55, QColor(0xf9, 0xe0, 0xb5));
    sky.setColorAt(1, QColor(0xfd, 0xf1, 0xda));
    return sky;
}

// Two rules 4 px apart, the firm one at `firm`, the faint one on the side of `faint`.
void paintDoubleRule(QPainter &p, double left, double right, double firm, double faint)
{
    p.save();
    p.setPen(QPen(kWoodLight, 1));
    p.drawLine(QPointF(left, firm), QPointF(right, firm));
    p.setPen(QPen(withAlpha(kWoodLight, 120), 1));
    p.drawLine(QPointF(left, faint), QPointF(right, faint));
    p.restore();
}

// A firm line round the picture and a hairline 8 px outside it, as on a printed plate.
void paintPlateFrame(QPainter &p, const QPainterPath &plate)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kWood, 2));
    p.drawPath(plate);
    const QRectF box = plate.boundingRect();
    p.translate(box.center());
    p.scale((box.width() + 16) / box.width(), (box.height() + 16) / box.height());
    p.translate(-box.center());
    p.setPen(QPen(kWoodLight, 1));
    p.drawPath(plate);
    p.restore();
}

// A dawn sun with a soft halo and faint rays, the hope motif of the cover and the advert.
void paintSun(QPainter &p, const QPointF &c, double radius, int rays)
{
    p.save();
    p.setPen(Qt::NoPen);
    const double reach = radius * 8;
    QRadialGradient fade(c, reach);
    fade.setColorAt(0, QColor(255, 250, 235, 70));
    fade.setColorAt(1, QColor(255, 250, 235, 0));
    p.setBrush(fade);
    for (int i = 0; i < rays; ++i) {
        const double a0 = 2 * M_PI * i / rays, a1 = a0 + M_PI / rays;
        QPainterPath ray;
        ray.moveTo(c);
        ray.lineTo(c + reach * QPointF(std::cos(a0), std::sin(a0)));
        ray.lineTo(c + reach * QPointF(std::cos(a1), std::sin(a1)));
        ray.closeSubpath();
        p.drawPath(ray);
    }
    QRadialGradient halo(c, radius * 2.2);
    halo.setColorAt(0.4, withAlpha(kAccentLight, 150));
    halo.setColorAt(1, withAlpha(kAccentLight, 0));
    p.setBrush(halo);
    p.drawEllipse(c, radius * 2.2, radius * 2.2);
    QLinearGradient disk(c.x(), c.y() - radius, c.x(), c.y() + radius);
    disk.setColorAt(0, QColor(0xfb, 0xd9, 0x86));
    disk.setColorAt(1, kAccent);
    p.setBrush(disk);
    p.drawEllipse(c, radius, radius);
    p.restore();
}

// A band of rolling land whose top follows a sum of slow waves; filled down to `bottom`.
void paintHills(QPainter &p, double left, double right, double base, double bottom,
                std::initializer_list<QPointF> waves, double phase, const QBrush &fill)
{
    QPainterPath land;
    land.moveTo(left, bottom);
    for (double x = left; x <= right + 1; x += 2) {
        double y = base;
        for (const QPointF &w : waves) // w: (wavelength, amplitude)
            y += w.y() * std::sin(2 * M_PI * x / w.x() + phase);
        land.lineTo(x, y);
    }
    land.lineTo(right + 1, bottom);
    land.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(land);
}

// A mortarboard: skull cap under a square board seen slightly from above, the tassel hanging on
// `tasselSide` (-1 left, +1 right). `c` is the centre of the board.
void paintCap(QPainter &p, const QPointF &c, double s, double angle, int tasselSide)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    p.scale(s, s);
    p.setPen(Qt::NoPen);
    QPainterPath crown;
    crown.moveTo(-14, 1);
    crown.lineTo(-14.5, 9);
    crown.quadTo(0, 13, 14.5, 9);
    crown.lineTo(14, 1);
    crown.closeSubpath();
    p.setBrush(kInk);
    p.drawPath(crown);
    QPainterPath board;
    board.moveTo(-26, 0);
    board.lineTo(0, -7);
    board.lineTo(26, 0);
    board.lineTo(0, 7);
    board.closeSubpath();
    p.setBrush(QColor(0x3a, 0x28, 0x17));
    p.drawPath(board);
    p.setPen(QPen(QColor(0x6b, 0x4d, 0x30), 1));
    p.drawLine(QPointF(-26, 0), QPointF(0, -7));
    p.drawLine(QPointF(0, -7), QPointF(26, 0));
    p.setPen(QPen(kAccent, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const double side = 17 * tasselSide;
    QPainterPath cord;
    cord.moveTo(0, 0);
    cord.lineTo(side, 2.5);
    cord.lineTo(side + tasselSide, 14);
    p.setBrush(Qt::NoBrush);
    p.drawPath(cord);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(side + tasselSide - 2.5, 12, 5, 9), 2, 2);
    p.setBrush(kAccentLight);
    p.drawEllipse(QPointF(0, 0), 2, 1.5);
    p.restore();
}

// ---------------------------------------------------------------------------------------------
// Graduates, seen from behind as they look towards the sunrise

enum class Hair { Short, Long, Bun };
enum class Arm { Down, Up, HoldsCap, HoldsScroll };

struct Graduate {
    double x;      // centre of the feet
    double ground; // y of the feet
    double height; // feet to top of the cap
    QColor gown;
    QColor hood;   // lining colour shown inside the gold-trimmed hood
    Hair hair;
    Arm left;
    Arm right;
};

bool raised(Arm a)
{
    return a == Arm::Up || a == Arm::HoldsCap;
}

// One bell sleeve with its hand, drawn in arm coordinates (shoulder at 0,0, arm along +y) and
// turned about the shoulder; `side` is -1 for the figure's left, +1 for its right. A raised
// sleeve slides back and bares the forearm.
void paintSleeve(QPainter &p, const QPointF &shoulder, int side, const QColor &gown, Arm arm)
{
    const bool up = raised(arm);
    const double angle = (arm == Arm::HoldsCap ? 166 : up ? 150 : 9) * -side;
    const double length = up ? 36 : 57, reach = up ? 60 : 63;
    p.save();
    p.translate(shoulder);
    p.rotate(angle);
    p.scale(-side, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(kSkin);
    if (up)
        p.drawRoundedRect(QRectF(-4, length - 6, 8, reach - length + 6), 4, 4);
    p.drawEllipse(QPointF(0, reach), 4.6, 5.2);
    QPainterPath sleeve;
    sleeve.moveTo(-6, -2);
    sleeve.cubicTo(-11, length * 0.32, -14, length * 0.67, -15, length);
    sleeve.quadTo(-3, length + 5, 8, length - 1);
    sleeve.cubicTo(7, length * 0.67, 8, length * 0.32, 7, -2);
    sleeve.closeSubpath();
    p.setBrush(gown.darker(112));
    p.drawPath(sleeve);
    p.setPen(QPen(gown.darker(140), 1));
    p.drawLine(QPointF(-15, length), QPointF(8, length - 1));
    p.setPen(Qt::NoPen);
    if (arm == Arm::HoldsScroll) {
        p.setBrush(kCreamLight);
        p.drawRoundedRect(QRectF(-5, 60, 8, 30), 3, 3);
        p.setBrush(QColor(0xb2, 0x3a, 0x2a));
        p.drawRect(QRectF(-5, 72, 8, 3.5));
    }
    p.restore();
    if (arm == Arm::HoldsCap) {
        const QPointF hand = shoulder + QTransform().rotate(angle).map(QPointF(0, reach));
        paintCap(p, hand + QPointF(0, -7), 0.95, -side * 12, side);
    }
}

void paintGraduate(QPainter &p, const Graduate &g)
{
    p.save();
    p.translate(g.x, g.ground);
    p.scale(g.height / 170.0, g.height / 170.0);
    p.setPen(Qt::NoPen);

    // Shoes under the hem.
    p.setBrush(kInk);
    p.drawEllipse(QPointF(-9, -3), 7, 3.5);
    p.drawEllipse(QPointF(9, -3), 7, 3.5);

    const QPointF leftShoulder(-21, -122), rightShoulder(21, -122);
    // Raised sleeves fall behind the head; hanging ones lie over the gown.
    if (raised(g.left))
        paintSleeve(p, leftShoulder, -1, g.gown, g.left);
    if (raised(g.right))
        paintSleeve(p, rightShoulder, 1, g.gown, g.right);

    QPainterPath gown;
    gown.moveTo(-8, -133);
    gown.quadTo(-20, -132, -25, -120);
    gown.quadTo(-31, -70, -31, -10);
    gown.quadTo(0, -4, 31, -10);
    gown.quadTo(31, -70, 25, -120);
    gown.quadTo(20, -132, 8, -133);
    gown.closeSubpath();
    p.setBrush(g.gown);
    p.drawPath(gown);
    // A soft fold down the back keeps the gown from reading as a flat slab.
    p.setBrush(withAlpha(g.gown.darker(125), 150));
    QPainterPath fold;
    fold.moveTo(2, -76);
    fold.quadTo(8, -40, 6, -8);
    fold.lineTo(12, -9);
    fold.quadTo(12, -44, 2, -76);
    p.drawPath(fold);

    // The hood: gold trim around a coloured lining.
    QPainterPath hood;
    hood.moveTo(-16, -131);
    hood.cubicTo(-19, -100, -9, -74, 0, -70);
    hood.cubicTo(9, -74, 19, -100, 16, -131);
    hood.closeSubpath();
    p.setBrush(kAccent);
    p.drawPath(hood);
    QPainterPath lining;
    lining.moveTo(-10, -126);
    lining.cubicTo(-11, -104, -5, -88, 0, -85);
    lining.cubicTo(5, -88, 11, -104, 10, -126);
    lining.closeSubpath();
    p.setBrush(g.hood);
    p.drawPath(lining);

    if (!raised(g.left))
        paintSleeve(p, leftShoulder + QPointF(-2, 0), -1, g.gown, g.left);
    if (!raised(g.right))
        paintSleeve(p, rightShoulder + QPointF(2, 0), 1, g.gown, g.right);

    // Neck, ears and the back of the head.
    const QColor hair(0x3b, 0x26, 0x16);
    p.setBrush(kSkin.darker(108));
    p.drawRect(QRectF(-5, -142, 10, 12));
    if (g.hair != Hair::Long) {
        p.setBrush(kSkin);
        p.drawEllipse(QPointF(-13.5, -149), 3, 4.5);
        p.drawEllipse(QPointF(13.5, -149), 3, 4.5);
    }
    p.setBrush(hair);
    p.drawEllipse(QPointF(0, -151), 13.5, 14.5);
    if (g.hair == Hair::Long) {
        QPainterPath fall;
        fall.moveTo(-13.5, -152);
        fall.quadTo(-16, -128, -13, -118);
        fall.quadTo(0, -114, 13, -118);
        fall.quadTo(16, -128, 13.5, -152);
        fall.closeSubpath();
        p.drawPath(fall);
    } else if (g.hair == Hair::Bun) {
        p.drawEllipse(QPointF(0, -136), 7, 6);
    }
    p.restore();

    if (g.left != Arm::HoldsCap && g.right != Arm::HoldsCap) {
        const double s = g.height / 170.0;
        paintCap(p, QPointF(g.x, g.ground - 163 * s), s, 0, g.x < kCoverAxis ? -1 : 1);
    }
}

// ---------------------------------------------------------------------------------------------
// The cover and the two pictures laid over it

// The paper of the cover; the enter button and the web-site line repaint it under themselves so
// that their edges disappear into the cover.
void paintCoverPaper(QPainter &p)
{
    QLinearGradient g(0, 0, 0, kCoverSize.height());
    g.setColorAt(0, QColor(0xfd, 0xf7, 0xec));
    g.setColorAt(1, QColor(0xf8, 0xea, 0xd2));
    p.fillRect(QRect(QPoint(0, 0), kCoverSize), g);
}

QPainterPath coverArch()
{
    const double radius = 262, top = 282, bottom = 672;
    QPainterPath arch;
    arch.moveTo(kCoverAxis - radius, bottom);
    arch.lineTo(kCoverAxis - radius, top + radius);
    arch.arcTo(QRectF(kCoverAxis - radius, top, 2 * radius, 2 * radius), 180, -180);
    arch.lineTo(kCoverAxis + radius, bottom);
    arch.closeSubpath();
    return arch;
}

void paintCoverHeader(QPainter &p)
{
    p.save();
    p.translate(26, 20);
    p.scale(1.3, 1.3);
    paintLogo(p);
    p.restore();
    drawText(p, QRectF(300, 42, 300, 30), "专注大学生职业发展", font(kSerif, 21, false, 3), kWood,
             Qt::AlignRight | Qt::AlignVCenter);
    paintDoubleRule(p, 30, 595, 104.5, 108.5);
}

void paintCoverTitle(QPainter &p)
{
    drawText(p, QRectF(0, 113, 625, 100), "Pathora", font(kSerif, 86, true, 2), kWoodDark);
    paintOrnament(p, QPointF(kCoverAxis, 216), 120, kWoodLight, kAccent);
    drawText(p, QRectF(0, 224, 625, 40), "大学生求职与职业发展电子书", font(kSerif, 24, false, 5), kLeafDeep);
}

void paintLandscape(QPainter &p)
{
    const QRectF box = coverArch().boundingRect();
    p.fillRect(box, dawnSky(box.top(), 560));
    paintSun(p, QPointF(kCoverAxis, 548), 64, 18);

    const double l = box.left(), r = box.right(), b = box.bottom();
    paintHills(p, l, r, 548, b, {{410, 9}, {170, 4}}, 0.6, QColor(0xe2, 0xbb, 0x88));
    paintHills(p, l, r, 568, b, {{300, 8}, {130, 3}}, 2.2, QColor(0xcf, 0xa2, 0x6b));
    paintHills(p, l, r, 596, b, {{520, 10}, {190, 4}}, 4.0, kLeafPale);

    // The road from the graduates' feet to the sun.
    QPainterPath road;
    road.moveTo(kCoverAxis - 58, b);
    road.cubicTo(kCoverAxis - 40, 640, kCoverAxis + 30, 620, kCoverAxis + 6, 590);
    road.cubicTo(kCoverAxis - 10, 572, kCoverAxis - 4, 562, kCoverAxis, 556);
    road.cubicTo(kCoverAxis + 3, 562, kCoverAxis + 8, 572, kCoverAxis + 16, 590);
    road.cubicTo(kCoverAxis + 50, 622, kCoverAxis + 30, 642, kCoverAxis + 60, b);
    road.closeSubpath();

    QLinearGradient near(0, 620, 0, b);
    near.setColorAt(0, kLeaf);
    near.setColorAt(1, kLeafDeep);
    paintHills(p, l, r, 628, b, {{640, 12}, {230, 4}}, 1.2, near);
    p.setPen(Qt::NoPen);
    QLinearGradient roadShade(0, 556, 0, b);
    roadShade.setColorAt(0, QColor(0xfd, 0xee, 0xcf));
    roadShade.setColorAt(1, QColor(0xf0, 0xd7, 0xaa));
    p.setBrush(roadShade);
    p.drawPath(road);
}

void paintFlyingCaps(QPainter &p)
{
    paintCap(p, QPointF(205, 372), 0.9, -22, 1);
    paintCap(p, QPointF(440, 340), 0.8, 18, -1);
    paintCap(p, QPointF(360, 400), 0.6, -8, 1);
}

void paintGraduates(QPainter &p)
{
    const QColor brown(0x4f, 0x31, 0x1a), deepLeaf(0x2b, 0x55, 0x36), chestnut(0x6e, 0x45, 0x22);
    const Graduate group[] = {
        {114, 658, 150, chestnut, kLeaf, Hair::Long, Arm::Down, Arm::HoldsScroll},
        {174, 654, 168, brown, kCream, Hair::Short, Arm::Down, Arm::Up},
        {238, 650, 158, deepLeaf, kAccentLight, Hair::Bun, Arm::HoldsScroll, Arm::Down},
        {390, 650, 166, brown, kLeafPale, Hair::Short, Arm::Up, Arm::Up},
        {452, 654, 152, deepLeaf, kCream, Hair::Long, Arm::Down, Arm::Down},
        {508, 658, 164, chestnut, kLeaf, Hair::Short, Arm::Down, Arm::HoldsCap},
    };
    for (const Graduate &g : group) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x3d, 0x27, 90));
        p.drawEllipse(QPointF(g.x, g.ground - 1), 34 * g.height / 170, 5);
        paintGraduate(p, g);
    }
}

void paintCoverFooter(QPainter &p)
{
    paintDoubleRule(p, 30, 595, 844.5, 840.5);
    drawText(p, QRectF(0, 782, 625, 30), "职业测评 · 职业规划 · 求职技巧 · 初涉职场", font(kSans, 15, false, 2), kWood);
}

QImage cover(double scale)
{
    QImage img = canvas(kCoverSize, scale);
    QPainter p(&img);
    beginPainting(p);
    paintCoverPaper(p);
    paintCoverHeader(p);
    paintCoverTitle(p);

    const QPainterPath arch = coverArch();
    p.save();
    p.setClipPath(arch);
    paintLandscape(p);
    paintFlyingCaps(p);
    paintGraduates(p);
    p.restore();
    paintPlateFrame(p, arch);
    paintCoverFooter(p);
    return img;
}

// A picture laid over the cover at `onCover`, starting from the cover's paper beneath it.
QImage overCover(const QRect &onCover, double scale)
{
    QImage img = canvas(onCover.size(), scale);
    QPainter p(&img);
    p.translate(-onCover.topLeft());
    paintCoverPaper(p);
    p.end();
    return img;
}

QImage enterButton(double scale)
{
    QImage img = overCover(kEnterOnCover, scale);
    QPainter p(&img);
    beginPainting(p);

    const QRectF face(2.5, 1.5, 156, 43);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5e, 0x3c, 0x1f, 60));
    p.drawRoundedRect(face.translated(0, 2.5), 9, 9);
    QPainterPath shape;
    shape.addRoundedRect(face, 9, 9);
    paintWoodPanel(p, shape, face.top(), face.bottom(), 120);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x4a, 0x2d, 0x14), 1));
    p.drawPath(shape);
    p.setPen(QPen(QColor(255, 236, 200, 90), 1));
    p.drawLine(QPointF(face.left() + 8, face.top() + 1.5), QPointF(face.right() - 8, face.top() + 1.5));

    drawText(p, QRectF(face.left() + 14, face.top(), 104, face.height()), "进入阅读", font(kSans, 20, true, 3),
             QColor(0xff, 0xf4, 0xe0), Qt::AlignLeft | Qt::AlignVCenter);
    const QPointF disc(face.right() - 22, face.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(disc, 11, 11);
    paintChevron(p, disc + QPointF(0.5, 0), 5, kWoodDark);
    return img;
}

QImage siteLine(double scale)
{
    QImage img = overCover(kSiteOnCover, scale);
    QPainter p(&img);
    beginPainting(p);
    const QRectF r(QPointF(0, 0), img.deviceIndependentSize());
    drawText(p, r, "www.norwell.example", font(kSans, 13, false, 0.6), kWood);
    return img;
}

// ---------------------------------------------------------------------------------------------
// Advert and course banners

// The career passport of the programme: a green booklet with a gold border and the mark.
void paintPassport(QPainter &p, const QPointF &centre, double angle)
{
    const QRectF book(-68, -92, 136, 184);
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3a, 0x24, 0x10, 70));
    p.drawRoundedRect(book.translated(6, 8), 9, 9);
    p.setBrush(kCreamLight);
    p.drawRoundedRect(book.adjusted(6, 4, 5, 3), 8, 8);
    QLinearGradient cover(book.topLeft(), book.bottomRight());
    cover.setColorAt(0, kLeaf);
    cover.setColorAt(1, kLeafDeep);
    p.setBrush(cover);
    p.drawRoundedRect(book, 9, 9);
    p.setBrush(QColor(0x1f, 0x44, 0x29));
    p.drawRect(QRectF(book.left() + 10, book.top(), 3, book.height()));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(kAccentLight, 200), 1.2));
    p.drawRoundedRect(book.adjusted(20, 10, -10, -10), 5, 5);

    p.setPen(Qt::NoPen);
    p.setBrush(kCream);
    p.drawEllipse(QPointF(5, -42), 27, 27);
    paintMark(p, QRectF(-17, -66, 44, 46));
    drawText(p, QRectF(-45, -8, 100, 30), "职业护照", font(kSerif, 22, true, 2), kAccentLight);
    drawText(p, QRectF(-45, 22, 100, 16), "CAREER PASSPORT", font(kSans, 8, true, 1.2), withAlpha(kCream, 220));
    paintOrnament(p, QPointF(5, 48), 30, withAlpha(kAccentLight, 160), kAccentLight);
    drawText(p, QRectF(-45, 60, 100, 18), "Norwell教育", font(kSans, 10, true, 1), withAlpha(kCream, 230));
    p.restore();
}

// One claim of the advert: a numbered badge, a bold key phrase and its plain continuation.
void paintClaim(QPainter &p, const QPointF &at, int number, const char *key, const char *rest)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kLeaf);
    p.drawEllipse(at + QPointF(13, 0), 13, 13);
    drawText(p, QRectF(at.x(), at.y() - 13, 26, 26), QByteArray::number(number).constData(), font(kSans, 15, true), kCream);
    const QFont bold = font(kSans, 19, true, 1);
    drawText(p, QRectF(at.x() + 38, at.y() - 16, 200, 32), key, bold, kWoodDark, Qt::AlignLeft | Qt::AlignVCenter);
    drawText(p, QRectF(at.x() + 38 + textWidth(key, bold) + 10, at.y() - 16, 260, 32), rest, font(kSans, 17, false, 0.5),
             kWood, Qt::AlignLeft | Qt::AlignVCenter);
}

QImage advertBanner(double scale)
{
    QImage img = canvas(PictureSize::kAdvert, scale);
    QPainter p(&img);
    beginPainting(p);
    QLinearGradient paper(0, 0, PictureSize::kAdvert.width(), PictureSize::kAdvert.height());
    paper.setColorAt(0, kCreamLight);
    paper.setColorAt(1, QColor(0xf6, 0xe2, 0xc0));
    p.fillRect(QRectF(QPointF(0, 0), img.deviceIndependentSize()), paper);

    // The scene in a round window: the road and the rising sun of the cover.
    const QPointF centre(600, 190);
    const double radius = 160;
    QPainterPath window;
    window.addEllipse(centre, radius, radius);
    p.save();
    p.setClipPath(window);
    p.fillRect(window.boundingRect(), dawnSky(centre.y() - radius, centre.y() + 40));
    paintSun(p, QPointF(centre.x() + 30, centre.y() + 30), 46, 16);
    const double l = centre.x() - radius, r = centre.x() + radius, b = centre.y() + radius;
    paintHills(p, l, r, centre.y() + 34, b, {{300, 7}, {120, 3}}, 1.0, QColor(0xe2, 0xbb, 0x88));
    paintHills(p, l, r, centre.y() + 58, b, {{260, 8}, {110, 3}}, 2.6, kLeafPale);
    paintHills(p, l, r, centre.y() + 92, b, {{380, 10}, {150, 3}}, 0.4, kLeaf);
    paintCap(p, QPointF(centre.x() + 70, centre.y() - 70), 1.0, 16, -1);
    paintCap(p, QPointF(centre.x() - 10, centre.y() - 112), 0.7, -14, 1);
    p.restore();
    paintPlateFrame(p, window);

    paintPassport(p, QPointF(512, 246), -9);

    const QRectF tag(40, 30, 214, 30);
    paintPill(p, tag, kLeaf);
    drawText(p, tag, "Norwell教育 · 校园公益计划", font(kSans, 14, true, 1), kCream);
    const QFont headline = font(kSerif, 40, true, 1);
    const QColor launch(0xc8, 0x74, 0x16);
    drawText(p, QRectF(38, 70, 400, 56), "Norwell", headline, kWoodDark, Qt::AlignLeft | Qt::AlignVCenter);
    drawText(p, QRectF(38 + textWidth("Norwell", headline), 70, 300, 56), "“启航”", headline, launch,
             Qt::AlignLeft | Qt::AlignVCenter);
    drawText(p, QRectF(38, 122, 420, 56), "大学生职业护照计划", headline, kWoodDark, Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(41, 186, 60, 5), 2.5, 2.5);

    paintClaim(p, QPointF(40, 224), 1, "百所高校", "免费发放职业护照");
    paintClaim(p, QPointF(40, 266), 2, "名师讲座", "一对一职业咨询");
    paintClaim(p, QPointF(40, 308), 3, "模拟招聘", "实战演练求职全程");
    drawText(p, QRectF(40, 338, 400, 24), "面向大三、大四本科生及在读研究生 · 全程免费", font(kSans, 13, false, 1),
             kWood, Qt::AlignLeft | Qt::AlignVCenter);
    return img;
}

QImage courseBanner(double scale)
{
    const QSize size = PictureSize::kCourse;
    QImage img = canvas(size, scale);
    QPainter p(&img);
    beginPainting(p);
    QPainterPath whole;
    whole.addRect(QRectF(QPointF(0, 0), size));
    paintWoodPanel(p, whole, 0, size.height(), 110);
    p.setPen(QPen(QColor(0xa7, 0x74, 0x43), 1));
    p.drawLine(QPointF(0, 0.5), QPointF(size.width(), 0.5));
    p.setPen(QPen(QColor(0x3b, 0x22, 0x0c), 1));
    p.drawLine(QPointF(0, size.height() - 0.5), QPointF(size.width(), size.height() - 0.5));

    p.setPen(QPen(kAccentLight, 2));
    p.setBrush(kCream);
    p.drawEllipse(QPointF(52, 44.5), 30, 30);
    paintMark(p, QRectF(30, 19, 44, 46));

    drawText(p, QRectF(98, 12, 300, 22), "Norwell职业发展课程", font(kSans, 14, true, 1.5), kAccentLight,
             Qt::AlignLeft | Qt::AlignVCenter);
    const QFont title = font(kSerif, 28, true, 2);
    drawText(p, QRectF(97, 34, 300, 42), "简历与面试训练营", title, kCreamLight, Qt::AlignLeft | Qt::AlignVCenter);
    const double divider = 97 + textWidth("简历与面试训练营", title) + 14;
    p.setPen(QPen(withAlpha(kAccentLight, 140), 1));
    p.drawLine(QPointF(divider + 0.5, 44), QPointF(divider + 0.5, 68));
    drawText(p, QRectF(divider + 14, 34, 220, 42), "简历诊断 · 模拟面试", font(kSans, 15, false, 1),
             withAlpha(kCream, 215), Qt::AlignLeft | Qt::AlignVCenter);

    const QRectF button(534, 23, 188, 42);
    QLinearGradient gold(0, button.top(), 0, button.bottom());
    gold.setColorAt(0, QColor(0xf6, 0xc2, 0x62));
    gold.setColorAt(1, kAccent.darker(108));
    paintPill(p, button.translated(0, 2), QColor(20, 10, 0, 90));
    paintPill(p, button, gold);
    drawText(p, button.adjusted(20, 0, -32, 0), "点击了解课程中心", font(kSans, 16, true, 0.5), kWoodDark,
             Qt::AlignLeft | Qt::AlignVCenter);
    paintChevron(p, QPointF(button.right() - 20, button.center().y()), 5, kWoodDark);
    return img;
}

bool save(const QImage &img, const QString &path, const char *format, int quality = -1)
{
    QDir().mkpath(QFileInfo(path).path());
    if (!img.save(path, format, quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), img.width(), img.height());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString images = root + "/data/pictures/";
    const int jpegQuality = 90;
    bool ok = true;
    // Every picture at 1x and, for screens scaled above 100 %, at 2x ("name@2x.png").
    for (const double scale : {1.0, 2.0}) {
        const QString x = scale == 1 ? QString() : QStringLiteral("@2x");
        ok &= save(woodTexture(scale), root + "/src/ui/skin/frame" + x + ".png", "PNG");
        ok &= save(logo(scale), images + "logo" + x + ".png", "PNG");
        ok &= save(icon(qRound(48 * scale)), images + "icon" + x + ".png", "PNG");
        ok &= save(cover(scale), images + "cover" + x + ".jpg", "JPG", jpegQuality);
        ok &= save(enterButton(scale), images + "enter" + x + ".jpg", "JPG", jpegQuality);
        ok &= save(siteLine(scale), images + "siteline" + x + ".jpg", "JPG", jpegQuality);
        ok &= save(advertBanner(scale), images + "advert" + x + ".jpg", "JPG", jpegQuality);
        ok &= save(courseBanner(scale), images + "course" + x + ".jpg", "JPG", jpegQuality);
    }
    // The desktop's icon theme: one picture per size, each drawn at that size.
    for (const int px : {16, 24, 32, 48, 64, 128, 256})
        ok &= save(icon(px), QStringLiteral("%1/data/icons/hicolor/%2x%2/apps/example.norwell.Pathora.png").arg(root).arg(px),
                   "PNG");
    return ok ? 0 : 1;
}
