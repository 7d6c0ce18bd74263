#include "book/layout/readingpages.h"

#include "book/layout/linkblocks.h"
#include "book/texts.h"

using namespace PageGeometry;

namespace {

bool carriesLogo(TPageKind kind)
{
    return kind != TPageKind::Cover && kind != TPageKind::Advert;
}

QString utf8(const char *s)
{
    return QString::fromUtf8(s);
}

QString pageText(const char *key)
{
    return TextData::text(QStringLiteral(":/data/pages.txt"), QString::fromLatin1(key));
}

QString articleText(PageId page, int box)
{
    return TextData::text(QStringLiteral(":/data/articles/TabSheet%1.txt").arg(page), QStringLiteral("box%1").arg(box));
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
    c.blocks << Blocks::picture(QStringLiteral(":/images/cover.jpg"), QRect(kCoverLeft, 0, 625, 897));
}

void addPreface(TPageContent &c)
{
    c.blocks << Blocks::label(utf8("前言"), QRect(kLogo.right() + 12, kHeadingTop, 560, 34), song(19, true),
                              Qt::AlignHCenter | Qt::AlignVCenter)
             << Blocks::textBox(pageText("preface"), QRect(40, 80, 780, 0), song(20))
             << headingBelow(utf8("声明"), 24, 40, 780, song(19, true))
             << boxBelow(pageText("notice"), 6, 40, 780, song(19));
}

void addSectionIntro(TPageContent &c)
{
    const char *keys[] = {"intro39", "intro40", "intro41", "intro42"};
    c.blocks << Blocks::label(pageText(keys[c.page - 39]),
                              QRect(60, 76, 760, LinkBlocks::kSectionListTop - 86), sans(14));
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
        if (c.page == 14 && box == 1)
            block.font = sans(15, true, true);           // the worksheet's hint
        if (c.page == 23) {
            if (box == 1)
                block.align = Qt::AlignHCenter;           // the résumé's header
            if (box == 2)
                block.font = sans(13);                    // the English version
            block.editable = box != 2;                    // header and Chinese résumé take the reader's own
        }
        if (c.page == 25) {
            // The long interview article scrolls in its own box, down to the related links.
            block.place.setHeight(TPageTable::entry(25).layoutHeight - kFootReserve - kBodyTop - 16);
            block.scrollBar = true;
        }
        c.blocks << block;
    }
    // A dashed rule closes the page under its footer links.
    c.blocks << Blocks::rule(TPageTable::entry(c.page).layoutHeight - 22);
}

void addAdvert(TPageContent &c)
{
    const int left = kVisibleLeft + (kVisibleRight - kVisibleLeft - 745) / 2;
    c.blocks << Blocks::picture(QStringLiteral(":/images/advert.jpg"), QRect(left, 10, 745, 377))
             << headingBelow(utf8("活动内容"), 18, left, 745, song(24, true))
             << boxBelow(pageText("advert.content"), 6, left, 745, song(21))
             << headingBelow(utf8("活动概述"), 16, left, 745, song(24, true))
             << boxBelow(pageText("advert.overview"), 6, left, 745, song(21));
}

} // namespace

TPageContent ReadingPages::pageTop(PageId page)
{
    const TPageEntry &entry = TPageTable::entry(page);
    TPageContent content{page, {}};
    if (carriesLogo(entry.kind))
        content.blocks.append(Blocks::logo());
    const QString heading = utf8(entry.heading);
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
        if (*entry.subHeading)
            content.blocks.append(Blocks::heading(utf8(entry.subHeading), kHeadingTop + 30, 16));
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
