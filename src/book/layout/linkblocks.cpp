#include "book/layout/linkblocks.h"

#include "book/linktable.h"
#include "book/texts.h"

using namespace PageGeometry;

namespace {

using Blocks::label;
using Blocks::link;

TFontSpec sans(int pixelSize, bool bold = false)
{
    return {kFaceSans, pixelSize, bold, false, {}};
}

TFontSpec song(int pixelSize, bool bold = false)
{
    return {kFaceSong, pixelSize, bold, false, {}};
}

QString utf8(const char *s)
{
    return QString::fromUtf8(s);
}

// ---- the foot band, measured from its top (LayoutHeight - kFootReserve) ----
constexpr int kPanelTop = 6;
constexpr int kPanelHeight = 178;
constexpr int kRelatedLeft = 50;
constexpr int kRelatedTop = 18;
constexpr int kRelatedPitch = 22;
constexpr int kBrandTop = 134;        // the bold line; the line with the link follows
constexpr int kBrandPitch = 22;
constexpr int kFooterTop = 204;
constexpr int kLineHeight = 20;
// The footer's three places, so that each link keeps its place when another is missing.
constexpr int kFooterLeft[] = {322, 402, 482};

int footTop(PageId page)
{
    return TPageTable::entry(page).layoutHeight - kFootReserve;
}

// ---- the brand block ----
void addBrand(QVector<TContentBlock> &blocks, PageId page, int top)
{
    const QVector<int> brand = TLinkTable::rowsOn(page, TLinkRole::BrandLink);
    if (brand.isEmpty())
        return;
    blocks << label(utf8("Norwell教育  专注大学生职业发展"), QRect(kRelatedLeft, top, 400, kLineHeight), sans(13, true));
    const int line = top + kBrandPitch;
    TContentBlock lead = label(utf8("了解详情请点击"), QRect(kRelatedLeft, line, 300, kLineHeight), sans(13));
    lead.flow = TFlow::FitText;
    TContentBlock site = link(brand.first(), QRect(0, line, 300, kLineHeight), sans(13));
    site.flow = TFlow::RunOn;
    // On the first career-planning article and the contents page the sentence has no full stop.
    const bool stop = page != 12 && page != kContentsPage;
    TContentBlock tail = label(utf8(stop ? "进行查询。" : "进行查询"), QRect(0, line, 300, kLineHeight), sans(13));
    tail.flow = TFlow::RunOn;
    blocks << lead << site << tail;
}

// ---- related-links panel and footer ----
void addRelatedPanel(QVector<TContentBlock> &blocks, PageId page)
{
    const QVector<int> related = TLinkTable::rowsOn(page, TLinkRole::RelatedLink);
    if (related.isEmpty())
        return;
    const int top = footTop(page);
    const QRect ground(kColumnLeft, top + kPanelTop, kColumnWidth, kPanelHeight);
    // Drawn first, so that its labels lie above it; on TabSheet1 the ground itself is a link.
    const QVector<int> panel = TLinkTable::rowsOn(page, TLinkRole::Panel);
    blocks << (panel.isEmpty() ? Blocks::panel(ground) : link(panel.first(), ground));
    for (int i = 0; i < related.size(); ++i)
        blocks << link(related[i], QRect(kRelatedLeft, top + kRelatedTop + i * kRelatedPitch, 760, kLineHeight),
                       sans(13));
    addBrand(blocks, page, top + kBrandTop);
}

void addFooter(QVector<TContentBlock> &blocks, PageId page)
{
    const int top = footTop(page) + kFooterTop;
    for (int row : TLinkTable::rowsOn(page, TLinkRole::Footer)) {
        const QString caption = TLinkTable::row(row).caption;
        const int place = caption == utf8("上一页") ? 0 : caption == utf8("目录页") ? 1 : 2;
        blocks << link(row, QRect(kFooterLeft[place], top, 60, kLineHeight), sans(13));
    }
}

// ---- contents and section pages ----

// The group labels of each section and how many of its entries stand under each; the fourth
// section has no groups, its entries stand directly under it.
const struct {
    PageId intro;
    const char *groups[4];
    int counts[4];
} kOutline[] = {
    {39, {"1、心理测评", "2、能力测评", "3、压力测试", "4、职业测评"}, {2, 2, 3, 3}},
    {40, {"1、职业规划的意义", "2、如何进行职业规划", "3、职业规划小故事"}, {2, 3, 2}},
    {41, {"1、简历制作", "2、名企面试"}, {5, 5}},
    {42, {nullptr}, {4}},
};

struct ListStyle {
    int groupLeft;
    TFontSpec groupFont;
    int groupPitch;
    int entryIndent;      // entries stand this far right of their group label
    TFontSpec entryFont;
    int entryPitch;
    int groupGap;         // extra space before every group but the first
};

// Places one section's groups and entries from `top` down; `entries` are consumed in order.
int addSectionList(QVector<TContentBlock> &blocks, const ListStyle &style, int section, const QVector<int> &entries,
                   int &next, int top)
{
    int y = top;
    const auto &outline = kOutline[section];
    for (int g = 0; g < 4 && outline.counts[g] > 0; ++g) {
        int entryLeft = style.groupLeft;
        if (outline.groups[g]) {
            if (g > 0)
                y += style.groupGap;
            blocks << label(utf8(outline.groups[g]), QRect(style.groupLeft, y, 500, style.groupPitch - 2),
                            style.groupFont);
            y += style.groupPitch;
            entryLeft += style.entryIndent;
        }
        for (int k = 0; k < outline.counts[g]; ++k) {
            blocks << link(entries.value(next++), QRect(entryLeft, y, 600, style.entryPitch - 2), style.entryFont);
            y += style.entryPitch;
        }
    }
    return y;
}

void addContents(QVector<TContentBlock> &blocks)
{
    const QVector<int> sections = TLinkTable::rowsOn(kContentsPage, TLinkRole::SectionHeading);
    const QVector<int> entries = TLinkTable::rowsOn(kContentsPage, TLinkRole::TopicEntry);
    const ListStyle style{100, song(16, true), 26, 30, song(16), 24, 0};
    int y = 80, next = 0;
    for (int s = 0; s < sections.size(); ++s) {
        blocks << link(sections[s], QRect(70, y, 500, 26), song(18));
        y = addSectionList(blocks, style, s, entries, next, y + 32) + 8;
    }
    // A search field for the whole book in the room between the list and the brand lines.
    const auto text = [](const char *key) {
        return TextData::text(QStringLiteral(":/data/find.txt"), QString::fromLatin1(key));
    };
    y += 22;
    blocks << label(text("contents.label"), QRect(70, y, 100, 28), song(18, true), Qt::AlignLeft | Qt::AlignVCenter);
    blocks << Blocks::field(QStringLiteral("SearchBook"), text("contents.label"), text("contents.hint"),
                            QRect(170, y, 340, 28), song(16));
    addBrand(blocks, kContentsPage, footTop(kContentsPage) + kBrandTop);
}

void addSectionPage(QVector<TContentBlock> &blocks, PageId page)
{
    const ListStyle style{60, sans(13, true), 24, 30, sans(13), 22, 8};
    int next = 0;
    addSectionList(blocks, style, page - 39, TLinkTable::rowsOn(page, TLinkRole::TopicEntry), next,
                   LinkBlocks::kSectionListTop);
}

// ---- advert pages: course banner, programme lines and the advert links ----
void addAdvert(QVector<TContentBlock> &blocks, PageId page)
{
    const auto text = [](const char *key) {
        return TextData::text(QStringLiteral(":/data/pages.txt"), QString::fromLatin1(key));
    };
    const int width = kVisibleRight - kVisibleLeft;
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;
    int y = LinkBlocks::kAdvertBlockTop;
    for (int row : TLinkTable::rowsOn(page, TLinkRole::Picture))
        blocks << link(row, QRect(kVisibleLeft + (width - 745) / 2, y, 745, 89), {}, QStringLiteral(":/images/course.jpg"));
    y += 89 + 14;
    blocks << label(text("advert.name"), QRect(kVisibleLeft, y, width, 28), song(20, true), centred);
    y += 34;
    blocks << label(text("advert.groups"), QRect(kVisibleLeft, y, width, 22), song(16), centred);
    y += 30;
    const QVector<int> links = TLinkTable::rowsOn(page, TLinkRole::AdvertLink);
    constexpr int kStep = 100;
    const int left = (kVisibleLeft + kVisibleRight) / 2 - (kStep * 4 + 64) / 2;
    for (int i = 0; i < links.size(); ++i)
        blocks << link(links[i], QRect(left + i * kStep, y, 90, 24), song(16));
    y += 32;
    blocks << label(text("advert.phone"), QRect(kVisibleLeft, y, width, 22), song(16), centred);
    y += 26;
    blocks << label(text("advert.address"), QRect(kVisibleLeft, y, width, 22), song(16), centred);
}

} // namespace

QVector<TContentBlock> LinkBlocks::forPage(PageId page)
{
    QVector<TContentBlock> blocks;
    switch (TPageTable::entry(page).kind) {
    case TPageKind::Cover:
        blocks << link(TLinkTable::indexOf(page, QStringLiteral("Image46")), QRect(kCoverLeft + 232, 700, 161, 49), {},
                       QStringLiteral(":/images/enter.jpg"))
               << link(TLinkTable::indexOf(page, QStringLiteral("Image48")), QRect(kCoverLeft + 208, 860, 209, 17), {},
                       QStringLiteral(":/images/siteline.jpg"));
        break;
    case TPageKind::Preface:
        blocks << link(TLinkTable::indexOf(page, QStringLiteral("Label463")), QRect(367, 1060, 300, 28), song(20));
        break;
    case TPageKind::Contents:
        addContents(blocks);
        break;
    case TPageKind::SectionIntro:
        addSectionPage(blocks, page);
        break;
    case TPageKind::Advert:
        addAdvert(blocks, page);
        addFooter(blocks, page);
        break;
    case TPageKind::Questionnaire:
    case TPageKind::Article:
        addRelatedPanel(blocks, page);
        addFooter(blocks, page);
        break;
    }
    return blocks;
}
