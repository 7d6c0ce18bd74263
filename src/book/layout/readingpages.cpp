#include "book/layout/readingpages.h"

#include "book/layout/linkblocks.h"
#include "book/texts.h"

using namespace PageGeometry;

namespace {

bool carriesLogo(TPageKind kind)
{
    return kind != TPageKind::Cover && kind != TPageKind::Advert;
}

QString pageText(const QString &key)
{
    return TextData::text(QStringLiteral(":/data/pages.txt"), key);
}

QString pageText(const char *key)
{
    return pageText(QString::fromLatin1(key));
}

QString articleText(PageId page, int box)
{
    return TextData::optional(QStringLiteral(":/data/articles/TabSheet%1.txt").arg(page), QStringLiteral("box%1").arg(box));
}

FontSpec song(int pixelSize, bool bold = false, bool underline = false)
{
    return {kFaceSong, pixelSize, bold, underline, {}};
}

FontSpec sans(int pixelSize, bool bold = false, bool underline = false)
{
    return {kFaceSans, pixelSize, bold, underline, {}};
}

// A text box below the previous block, `gap` pixels down, as tall as its text.
TContentBlock boxBelow(const QString &text, int gap, int left, int width, const FontSpec &font)
{
    TContentBlock box = Blocks::textBox(text, QRect(left, gap, width, 0), font);
    box.flow = Flow::Below;
    return box;
}

TContentBlock headingBelow(const QString &text, int gap, int left, int width, const FontSpec &font)
{
    TContentBlock heading = Blocks::label(text, QRect(left, gap, width, font.pixelSize + 14), font,
                                          Qt::AlignLeft | Qt::AlignVCenter);
    heading.flow = Flow::Below;
    return heading;
}

// ---- the pages ----

constexpr int kArticleLeft = 24;
constexpr int kArticleWidth = 810;
// Article text: 15 px keeps the longest articles inside their pages with the related links below.
const FontSpec kArticleFont = sans(15);

void addCover(TPageContent &c)
{
    c.blocks << Blocks::picture(QStringLiteral(":/images/cover.jpg"), QRect(QPoint(kCoverLeft, 0), PictureSize::kCoverBlock));
}

void addPreface(TPageContent &c)
{
    c.blocks << Blocks::label(pageText("preface.heading"), QRect(kLogo.right() + 12, kHeadingTop, 560, 34), song(19, true),
                              Qt::AlignHCenter | Qt::AlignVCenter)
             << Blocks::textBox(pageText("preface"), QRect(40, 80, 780, 0), song(20))
             << headingBelow(pageText("notice.heading"), 24, 40, 780, song(19, true))
             << boxBelow(pageText("notice"), 6, 40, 780, song(19));
}

void addSectionIntro(TPageContent &c)
{
    c.blocks << Blocks::label(pageText(QStringLiteral("intro%1").arg(c.page)),
                              QRect(60, 76, 760, LinkBlocks::kSectionListTop - 86), sans(14));
}

// Article boxes that depart from the common look: a 15 px read-only box, left-aligned, as tall
// as its text.
struct ArticleBoxStyle {
    PageId page;
    int box;
    FontSpec font;
    Qt::Alignment align;
    bool editable;
    bool scrolls;          // down to the related links, in its own scroll bar
};

const ArticleBoxStyle kArticleBoxStyles[] = {
    {14, 1, sans(15, true, true), Qt::AlignLeft, false, false},   // the worksheet's hint
    {23, 1, kArticleFont, Qt::AlignHCenter, true, false},          // the résumé's header, the reader's own
    {23, 2, sans(13), Qt::AlignLeft, false, false},                // the English version
    {23, 3, kArticleFont, Qt::AlignLeft, true, false},             // the Chinese résumé, the reader's own
    {25, 1, kArticleFont, Qt::AlignLeft, false, true},             // the long interview article
};

void applyBoxStyle(TContentBlock &block, PageId page, int box)
{
    for (const ArticleBoxStyle &style : kArticleBoxStyles) {
        if (style.page != page || style.box != box)
            continue;
        block.font = style.font;
        block.align = style.align | Qt::AlignTop;
        block.editable = style.editable;
        if (style.scrolls) {
            block.place.setHeight(TPageTable::entry(page).layoutHeight - kFootReserve - kBodyTop - 16);
            block.scrollBar = true;
        }
    }
}

void addArticle(TPageContent &c)
{
    for (int box = 1; box <= 3; ++box) {
        const QString text = articleText(c.page, box);
        if (text.isEmpty())
            break;
        TContentBlock block = box == 1 ? Blocks::textBox(text, QRect(kArticleLeft, kBodyTop, kArticleWidth, 0), kArticleFont)
                                       : boxBelow(text, 12, kArticleLeft, kArticleWidth, kArticleFont);
        block.name = QStringLiteral("ArticleBox%1").arg(box);
        applyBoxStyle(block, c.page, box);
        c.blocks << block;
    }
    // A dashed rule closes the page under its footer links.
    c.blocks << Blocks::rule(TPageTable::entry(c.page).layoutHeight - 22);
}

void addAdvert(TPageContent &c)
{
    const int width = PictureSize::kAdvert.width();
    const int left = centredLeft(width);
    c.blocks << Blocks::picture(QStringLiteral(":/images/advert.jpg"), QRect(QPoint(left, 10), PictureSize::kAdvert))
             << headingBelow(pageText("advert.content.heading"), 18, left, width, song(24, true))
             << boxBelow(pageText("advert.content"), 6, left, width, song(21))
             << headingBelow(pageText("advert.overview.heading"), 16, left, width, song(24, true))
             << boxBelow(pageText("advert.overview"), 6, left, width, song(21));
}

} // namespace

TPageContent ReadingPages::pageTop(PageId page)
{
    const TPageEntry &entry = TPageTable::entry(page);
    TPageContent content{page, {}};
    if (carriesLogo(entry.kind))
        content.blocks.append(Blocks::logo());
    const QString heading = QString::fromUtf8(entry.heading);
    switch (entry.kind) {
    case TPageKind::Cover:
    case TPageKind::Advert:
    case TPageKind::Preface:
        break;
    case TPageKind::Contents:
        content.blocks.append(Blocks::label(heading, QRect(kLogo.right() + 12, kHeadingTop, 500, 34),
                                            FontSpec{kFaceSong, 21, true, false, {}},
                                            Qt::AlignHCenter | Qt::AlignVCenter));
        break;
    case TPageKind::Questionnaire:
        content.blocks.append(Blocks::heading(heading, kHeadingTop, 20));
        if (*entry.subHeading) {
            // Centred on the same line as a 30 px box at kHeadingTop + 30, but clear of the title.
            TContentBlock sub = Blocks::heading(QString::fromUtf8(entry.subHeading), kHeadingTop + 30, 16);
            sub.place.adjust(0, 4, 0, -4);
            content.blocks.append(sub);
        }
        break;
    default:
        content.blocks.append(Blocks::heading(heading));
        break;
    }
    return content;
}

TPageContent ReadingPages::content(PageId page)
{
    TPageContent content = pageTop(page);
    switch (TPageTable::entry(page).kind) {
    case TPageKind::Cover:
        addCover(content);
        break;
    case TPageKind::Preface:
        addPreface(content);
        break;
    case TPageKind::SectionIntro:
        addSectionIntro(content);
        break;
    case TPageKind::Article:
        addArticle(content);
        break;
    case TPageKind::Advert:
        addAdvert(content);
        break;
    default:
        break;
    }
    // Links come last: the cover's picture links lie above the cover picture.
    content.blocks += LinkBlocks::forPage(page);
    return content;
}
