#include "book/layout/blocks.h"

#include "book/linktable.h"

namespace Blocks {

TContentBlock picture(const QString &resource, const QRect &place, const QString &name)
{
    TContentBlock b;
    b.kind = TBlockKind::Picture;
    b.text = resource;
    b.place = place;
    b.name = name;
    return b;
}

namespace {

TContentBlock textBlock(TBlockKind kind, const QString &text, const QRect &place, const TFontSpec &font,
                        const QString &name)
{
    TContentBlock b;
    b.kind = kind;
    b.text = text;
    b.place = place;
    b.font = font;
    b.name = name;
    return b;
}

} // namespace

TContentBlock label(const QString &text, const QRect &place, const TFontSpec &font, Qt::Alignment align,
                    const QString &name)
{
    TContentBlock b = textBlock(TBlockKind::Label, text, place, font, name);
    b.align = align;
    return b;
}

TContentBlock textBox(const QString &text, const QRect &place, const TFontSpec &font, const QString &name)
{
    return textBlock(TBlockKind::TextBox, text, place, font, name);
}

TContentBlock rule(int top, char glyph)
{
    TContentBlock b;
    b.kind = TBlockKind::Rule;
    b.text = QString(glyph == '_' ? 118 : 140, QLatin1Char(glyph));
    b.place = QRect(PageGeometry::kColumnLeft, top, PageGeometry::kColumnWidth, 16);
    b.font.pixelSize = 13;
    b.font.color = QColor(0xa0, 0x80, 0x5c);
    return b;
}

TContentBlock link(int row, const QRect &place, const TFontSpec &font, const QString &picture)
{
    const TLinkEntry &entry = TLinkTable::row(row);
    TContentBlock b;
    b.kind = TBlockKind::Link;
    b.link = row;
    b.place = place;
    b.name = entry.name;
    b.text = entry.isPicture() ? picture : entry.caption;
    b.font = font;
    b.font.bold = entry.bold;
    b.font.underline = entry.underlined;
    b.font.color = TLinkTable::color(entry.color);
    b.flow = entry.isPicture() || entry.isPanel() ? TFlow::Placed : TFlow::FitText;
    return b;
}

TContentBlock panel(const QRect &place)
{
    TContentBlock b;
    b.kind = TBlockKind::Panel;
    b.place = place;
    return b;
}

TContentBlock field(const QString &name, const QString &accessibleName, const QString &hint, const QRect &place,
                    const TFontSpec &font)
{
    TContentBlock b = textBlock(TBlockKind::Field, accessibleName, place, font, name);
    b.editable = true;
    b.hint = hint;
    return b;
}

TContentBlock logo()
{
    return picture(QStringLiteral(":/images/logo.png"), PageGeometry::kLogo);
}

TContentBlock heading(const QString &text, int top, int pixelSize)
{
    using namespace PageGeometry;
    const int left = kLogo.right() + 12;
    return label(text, QRect(left, top, kVisibleRight - 12 - left, pixelSize + 14),
                 TFontSpec{kFaceSans, pixelSize, true, false, {}}, Qt::AlignHCenter | Qt::AlignVCenter);
}

} // namespace Blocks
