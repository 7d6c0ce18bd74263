#include "book/layout/blocks.h"

#include "book/linktable.h"

namespace Blocks {

TContentBlock picture(const QString &resource, const QRect &place, const QString &name)
{
    TContentBlock b;
    b.kind = BlockKind::Picture;
    b.text = resource;
    b.place = place;
    b.name = name;
    return b;
}

namespace {

TContentBlock textBlock(BlockKind kind, const QString &text, const QRect &place, const FontSpec &font,
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

TContentBlock label(const QString &text, const QRect &place, const FontSpec &font, Qt::Alignment align,
                    const QString &name)
{
    TContentBlock b = textBlock(BlockKind::Label, text, place, font, name);
    b.align = align;
    return b;
}

TContentBlock textBox(const QString &text, const QRect &place, const FontSpec &font, const QString &name)
{
    return textBlock(BlockKind::TextBox, text, place, font, name);
}

TContentBlock rule(int top, char glyph)
{
    TContentBlock b;
    b.kind = BlockKind::Rule;
    b.text = QString(glyph == '_' ? 118 : 140, QLatin1Char(glyph));
    b.place = QRect(PageGeometry::kColumnLeft, top, PageGeometry::kColumnWidth, 16);
    b.font.pixelSize = 13;
    b.font.color = QColor(0xa0, 0x80, 0x5c);
    return b;
}

TContentBlock link(int row, const QRect &place, const FontSpec &font, const QString &picture)
{
    const TLinkEntry &entry = TLinkTable::row(row);
    TContentBlock b;
    b.kind = BlockKind::Link;
    b.link = row;
    b.place = place;
    b.name = entry.name;
    b.text = entry.isPicture() ? picture : entry.caption;
    b.font = font;
    b.font.bold = entry.bold;
    b.font.underline = entry.underlined;
    b.font.color = TLinkTable::color(entry.color);
    b.flow = entry.isPicture() || entry.isPanel() ? Flow::Placed : Flow::FitText;
    return b;
}

TContentBlock panel(const QRect &place)
{
    TContentBlock b;
    b.kind = BlockKind::Panel;
    b.place = place;
    return b;
}

TContentBlock field(const QString &name, const QString &accessibleName, const QString &hint, const QRect &place,
                    const FontSpec &font)
{
    TContentBlock b = textBlock(BlockKind::Field, accessibleName, place, font, name);
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
                 FontSpec{kFaceSans, pixelSize, true, false, {}}, Qt::AlignHCenter | Qt::AlignVCenter);
}

} // namespace Blocks
