#include "book/layout/linkblocks.h"

#include "book/linktable.h"
#include "book/texts.h"

#include <algorithm>
#include <iterator>

using namespace PageGeometry;

namespace {

using Blocks::label;
using Blocks::link;

FontSpec sans(int pixelSize, bool bold = false)
{
    return {kFaceSans, pixelSize, bold, false, {}};
}

FontSpec song(int pixelSize, bool bold = false)
{
    return {kFaceSong, pixelSize, bold, false, {}};
}

QString pageText(const QString &key)
{
    return TextData::text(QStringLiteral(":/data/pages.txt"), key);
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
    const QVector<int> brand = TLinkTable::rowsOn(page, LinkRole::BrandLink);
    if (brand.isEmpty())
        return;
    blocks << label(pageText(QStringLiteral("brand.line")), QRect(kRelatedLeft, top, 400, kLineHeight), sans(13, true));
    const int line = top + kBrandPitch;
    TContentBlock lead = label(pageText(QStringLiteral("brand.lead")), QRect(kRelatedLeft, line, 300, kLineHeight), sans(13));
    lead.flow = Flow::FitText;
    TContentBlock site = link(brand.first(), QRect(0, line, 300, kLineHeight), sans(13));
    site.flow = Flow::RunOn;
    const bool stop = !TPageTable::hasLook(page, BrandWithoutFullStop);
    const QString tailText = pageText(QStringLiteral("brand.tail")) + (stop ? pageText(QStringLiteral("brand.stop")) : QString());
    TContentBlock tail = label(tailText, QRect(0, line, 300, kLineHeight), sans(13));
    tail.flow = Flow::RunOn;
    blocks << lead << site << tail;
}

// ---- related-links panel and footer ----
void addRelatedPanel(QVector<TContentBlock> &blocks, PageId page)
{
    const QVector<int> related = TLinkTable::rowsOn(page, LinkRole::RelatedLink);
    if (related.isEmpty())
        return;
    const int top = footTop(page);
    const QRect ground(kColumnLeft, top + kPanelTop, kColumnWidth, kPanelHeight);
    // Drawn first, so that its labels lie above it; on TabSheet1 the ground itself is a link.
    const QVector<int> panel = TLinkTable::rowsOn(page, LinkRole::Panel);
    blocks << (panel.isEmpty() ? Blocks::panel(ground) : link(panel.first(), ground));
    for (int i = 0; i < related.size(); ++i)
        blocks << link(related[i], QRect(kRelatedLeft, top + kRelatedTop + i * kRelatedPitch, 760, kLineHeight),
                       sans(13));
    addBrand(blocks, page, top + kBrandTop);
}

void addFooter(QVector<TContentBlock> &blocks, PageId page)
{
    const int top = footTop(page) + kFooterTop;
    for (int row : TLinkTable::rowsOn(page, LinkRole::Footer)) {
        const QString caption = TLinkTable::row(row).caption;
        const int place = caption == QStringLiteral("上一页") ? 0 : caption == QStringLiteral("目录页") ? 1 : 2;
        blocks << link(row, QRect(kFooterLeft[place], top, 60, kLineHeight), sans(13));
    }
}

// ---- contents and section pages ----

// The group labels of each section and how many of its entries stand under each; the fourth
// section has no groups, its entries stand directly under it.
// The group labels are the lines of the entry "groups<intro page>".
const struct {
    PageId intro;
    int counts[4];
} kOutline[] = {
    {39, {2, 2, 3, 3}},
    {40, {2, 3, 2}},
    {41, {5, 5}},
    {42, {4}},
};

struct ListStyle {
    int groupLeft;
    FontSpec groupFont;
    int groupPitch;
    int entryIndent;      // entries stand this far right of their group label
    FontSpec entryFont;
    int entryPitch;
    int groupGap;         // extra space before every group but the first
};

// Places one section's groups and entries from `top` down; `entries` are consumed in order.
int addSectionList(QVector<TContentBlock> &blocks, const ListStyle &style, PageId intro, const QVector<int> &entries,
                   int &next, int top)
{
    int y = top;
    const auto *outline = std::find_if(std::begin(kOutline), std::end(kOutline),
                                       [intro](const auto &o) { return o.intro == intro; });
    if (outline == std::end(kOutline))
        return y;
    const QStringList groups =
        TextData::lines(TextData::optional(QStringLiteral(":/data/pages.txt"), QStringLiteral("groups%1").arg(intro)));
    for (int g = 0; g < 4 && outline->counts[g] > 0; ++g) {
        int entryLeft = style.groupLeft;
        if (g < groups.size()) {
            if (g > 0)
                y += style.groupGap;
            blocks << label(groups[g], QRect(style.groupLeft, y, 500, style.groupPitch - 2), style.groupFont);
            y += style.groupPitch;
            entryLeft += style.entryIndent;
        }
        for (int k = 0; k < outline->counts[g]; ++k) {
            blocks << link(entries.value(next++), QRect(entryLeft, y, 600, style.entryPitch - 2), style.entryFont);
            y += style.entryPitch;
        }
    }
    return y;
}

void addContents(QVector<TContentBlock> &blocks)
{
    const QVector<int> sections = TLinkTable::rowsOn(kContentsPage, LinkRole::SectionHeading);
    const QVector<int> entries = TLinkTable::rowsOn(kContentsPage, LinkRole::TopicEntry);
    const ListStyle style{100, song(16, true), 26, 30, song(16), 24, 0};
    int y = 80, next = 0;
    for (int s = 0; s < sections.size(); ++s) {
        blocks << link(sections[s], QRect(70, y, 500, 26), song(18));
        y = addSectionList(blocks, style, TLinkTable::row(sections[s]).target, entries, next, y + 32) + 8;
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
    addSectionList(blocks, style, page, TLinkTable::rowsOn(page, LinkRole::TopicEntry), next,
                   LinkBlocks::kSectionListTop);
}

// ---- advert pages: course banner, programme lines and the advert links ----
void addAdvert(QVector<TContentBlock> &blocks, PageId page)
{
    const auto text = [](const char *key) { return pageText(QString::fromLatin1(key)); };
    const int width = kVisibleRight - kVisibleLeft;
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;
    int y = LinkBlocks::kAdvertBlockTop;
    for (int row : TLinkTable::rowsOn(page, LinkRole::Picture))
        blocks << link(row, QRect(QPoint(centredLeft(PictureSize::kCourse.width()), y), PictureSize::kCourse), {},
                       QStringLiteral(":/images/course.jpg"));
    y += PictureSize::kCourse.height() + 14;
    blocks << label(text("advert.name"), QRect(kVisibleLeft, y, width, 28), song(20, true), centred);
    y += 34;
    blocks << label(text("advert.groups"), QRect(kVisibleLeft, y, width, 22), song(16), centred);
    y += 30;
    const QVector<int> links = TLinkTable::rowsOn(page, LinkRole::AdvertLink);
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
        blocks << link(TLinkTable::indexOf(page, QStringLiteral("Image46")), kEnterOnCover.translated(kCoverLeft, 0), {},
                       QStringLiteral(":/images/enter.jpg"))
               << link(TLinkTable::indexOf(page, QStringLiteral("Image48")), kSiteLineOnCover.translated(kCoverLeft, 0), {},
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
