// Paints Pathora's pictures. Run it from the build tree:
//   cmake --build build --target pathora_pictures && build/pathora_pictures .
// It writes the files below (relative to the given repository root); the outputs are committed.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>

namespace {

const QColor kWoodDark(0x5e, 0x3c, 0x1f);
const QColor kWood(0x8c, 0x5c, 0x30);
const QColor kWoodLight(0xc8, 0x96, 0x5a);
const QColor kLeaf(0x3f, 0x7d, 0x4e);
const QColor kInk(0x2e, 0x1e, 0x0f);

QFont font(const char *family, int px, bool bold = false)
{
    QFont f(QString::fromUtf8(family));
    f.setPixelSize(px);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// A tileable wood grain: soft rings bent by a slow wave, period 256 both ways.
QImage woodTexture()
{
    const int n = 256;
    QImage img(n, n, QImage::Format_RGB32);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const double tx = 2 * M_PI * x / n, ty = 2 * M_PI * y / n;
            const double bend = 5.0 * std::sin(tx + 0.7 * std::sin(2 * ty)) + 2.0 * std::sin(3 * tx + ty);
            const double ring = 0.5 + 0.5 * std::sin((y + bend) * 2 * M_PI / 16.0 * 1.0 + 0.8 * std::sin(2 * tx));
            const double fine = 0.5 + 0.5 * std::sin((y + bend * 0.6) * 2 * M_PI / 4.0);
            const double t = 0.62 * std::pow(ring, 2.2) + 0.18 * fine;
            const QColor a(0x7a, 0x4d, 0x27), b(0x5a, 0x38, 0x1b);
            img.setPixel(x, y, qRgb(int(a.red() * (1 - t) + b.red() * t), int(a.green() * (1 - t) + b.green() * t),
                                    int(a.blue() * (1 - t) + b.blue() * t)));
        }
    }
    return img;
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
    p.setBrush(QColor(0xe8, 0xa3, 0x3d));
    p.drawEllipse(c + QPointF(w * 0.30, -h * 0.62), w * 0.09, w * 0.09);
    p.restore();
}

QImage logo()
{
    QImage img(137, 57, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintMark(p, QRectF(2, 4, 44, 46));
    p.setPen(kWoodDark);
    p.setFont(font("Noto Serif CJK SC", 19, true));
    p.drawText(QRectF(48, 6, 89, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Norwell"));
    p.setPen(kLeaf);
    p.setFont(font("Noto Sans CJK SC", 15, true));
    p.drawText(QRectF(49, 28, 88, 20), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8("教育"));
    p.setPen(QPen(kWoodLight, 1));
    p.drawLine(QPointF(86, 38.5), QPointF(134, 38.5));
    return img;
}

QImage icon()
{
    QImage img(48, 48, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 48);
    g.setColorAt(0, QColor(0xfc, 0xf3, 0xe2));
    g.setColorAt(1, QColor(0xee, 0xdc, 0xbd));
    p.setBrush(g);
    p.setPen(QPen(kWood, 2));
    p.drawRoundedRect(QRectF(1, 1, 46, 46), 9, 9);
    paintMark(p, QRectF(5, 4, 38, 40));
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
    bool ok = true;
    ok &= save(woodTexture(), root + "/src/skin/frame.png", "PNG");
    ok &= save(logo(), root + "/src/content/images/logo.png", "PNG");
    ok &= save(icon(), root + "/src/content/images/icon.png", "PNG");
    return ok ? 0 : 1;
}
