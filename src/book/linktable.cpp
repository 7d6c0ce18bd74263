#include "book/linktable.h"

#include <array>

namespace {

using C = LinkColor;
using R = LinkRole;
using S = TWebSite;

// The publisher is fictional: its hosts live under the reserved .example domain.
const struct {
    TWebSite site;
    const char *host;
} kHosts[] = {
    {S::MainSite, "www.norwell.example"},
    {S::ArticleSite, "article.norwell.example"},
    {S::ForumSite, "bbs.norwell.example"},
};

// ---- contents page and section pages -------------------------------------------------------

struct SectionRow {
    const char *caption;
    PageId intro;
    const char *name;       // on the contents page
};

const SectionRow kSections[] = {
    {"一、职业测评", 39, "Label479"},
    {"二、职业规划", 40, "Label480"},
    {"三、求职技巧", 41, "Label491"},
    {"四、初涉职场", 42, "Label508"},
};

// Each entry stands on the contents page and again, with the same caption and target, on its
// section's introduction page under another name.
struct TopicRow {
    PageId intro;
    const char *caption;
    PageId target;
    const char *contentsName;
    const char *sectionName;
};

const TopicRow kTopics[] = {
    {39, "1.1  性格测试", 3, "Label467", "Label515"},
    {39, "1.2  菲尔人格测试", 2, "Label466", "Label516"},
    {39, "2.1  EQ测试", 1, "Label465", "Label518"},
    {39, "2.2  人际交往能力测试", 4, "Label468", "Label519"},
    {39, "3.1  压力了解测试", 5, "Label469", "Label521"},
    {39, "3.2  压力自我测验", 6, "Label470", "Label522"},
    {39, "3.3  PSTRI压力测试", 7, "Label471", "Label556"},
    {39, "4.1  事业驱策力标准测试", 8, "Label472", "Label524"},
    {39, "4.2  职业取向标准测试", 9, "Label473", "Label525"},
    {39, "4.3  职业性向标准测试", 10, "Label474", "Label526"},

    {40, "1.1  没有定位必会出位", 12, "Label484", "Label529"},
    {40, "1.2  职业规划让你赢在明天", 13, "Label485", "Label530"},
    {40, "2.1  职业生涯管理自我评估", 14, "Label486", "Label532"},
    {40, "2.2  职业规划的简捷思路", 15, "Label487", "Label533"},
    {40, "2.3  十招教你如何制定职业目标规划", 16, "Label488", "Label534"},
    {40, "3.1  职场生物进化论", 17, "Label489", "Label536"},
    {40, "3.2  职业目标对人生的影响", 18, "Label490", "Label537"},

    {41, "1.1  合格简历做到6个避免", 20, "Label493", "Label540"},
    {41, "1.2  英文简历写作指南", 21, "Label494", "Label539"},
    {41, "1.3  金融类简历模板", 22, "Label495", "Label542"},
    {41, "1.4  经典双语简历模板", 23, "Label496", "Label543"},
    {41, "1.5  资深HR：这样的简历才出色", 24, "Label497", "Label544"},
    {41, "2.1  500强公司面试问题分析与解答", 25, "Label499", "Label546"},
    {41, "2.2  宝洁的招聘流程及面试题", 26, "Label500", "Label547"},
    {41, "2.3  国家开发银行面试流程", 27, "Label501", "Label548"},
    {41, "2.4  联想面试流程", 28, "Label502", "Label549"},
    {41, "2.5  百度面试流程", 29, "Label503", "Label550"},

    {42, "1、职场新人守则", 31, "Label509", "Label553"},
    {42, "2、职场新人生存指南", 32, "Label510", "Label552"},
    {42, "3、职场新人必看：4招化解入职第一场危机", 33, "Label511", "Label554"},
    {42, "4、初涉职场：从容淡定 不与人争", 34, "Label512", "Label555"},
};

// ---- related-links panels --------------------------------------------------------------------

struct RelatedLink {
    const char *caption;
    const char *path;       // on the article site
};
using RelatedGroup = std::array<RelatedLink, 5>;

const RelatedGroup kCareerPlanning = {{
    {"生涯规划：你有自己的职业规划吗？", "/guihua/2010/0913/439.html"},
    {"生涯规划：职场新人如何胜出 ？", "/guihua/2010/0911/438.html"},
    {"生涯规划：五标准帮你找到理想职位！", "/guihua/2010/0831/275.html"},
    {"生涯规划：你是职场\"迷茫族\"之一吗？", "/guihua/2010/0828/217.html"},
    {"生涯规划：茫茫职场，如何找准\"位子\"？", "/guihua/2010/0828/216.html"},
}};

const RelatedGroup kMiniTests = {{
    {"职场小测试：随身物品看你职场性格？", "/microtest/2010/0906/398.html"},
    {"职场小测试：你的领导风格是什么？", "/microtest/2010/0906/395.html"},
    {"职场小测试：工作中你在意什么？", "/microtest/2010/0903/368.html"},
    {"职场小测试：你的个性适合什么职业？", "/microtest/2010/0902/337.html"},
    {"职场小测试：你是职场中的哪种动物？", "/microtest/2010/0902/338.html"},
}};

const RelatedGroup kInterview = {{
    {"求职技巧：必看：公务员考试结构化面试答辩八原则", "/mianshi/jiegouhua/2010/0913/444.html"},
    {"求职技巧：美的HR给你讲解结构化面试", "/mianshi/jiegouhua/2010/0903/358.html"},
    {"求职技巧：公务员无领导小组讨论面试五大角色及特性", "/mianshi/wulingdao/2010/0913/443.html"},
    {"求职技巧：HR给应届生的白金面试法则", "/mianshi/hr/2010/0903/351.html"},
    {"求职技巧：应聘技巧：怎样在面试中察颜观色", "/mianshi/jiqiao/2010/0831/271.html"},
}};

const RelatedGroup kResume = {{
    {"求职技巧：汉语言文学专业中文简历", "/jianli/muban/2010/0913/453.html"},
    {"求职技巧：求职信模板--国贸类", "/jianli/qiuzhixin/2010/0831/266.html"},
    {"求职技巧：求职信模板--银行类", "/jianli/qiuzhixin/2010/0831/265.html"},
    {"求职技巧：超经典英文简历模板", "/jianli/muban/2010/0831/264.html"},
    {"求职技巧：详解英文简历格式", "/jianli/jiqiao/2010/0827/86.html"},
}};

const RelatedGroup kWorkplace = {{
    {"职场之道：给职场新鲜人!", "/zhichang/2010/0908/423.html"},
    {"职场之道：职场必读：菜鸟白领如何应付卖老同事？", "/zhichang/2010/0907/407.html"},
    {"职场之道：职场\"暗语\"你能听懂多少？", "/zhichang/2010/0906/380.html"},
    {"职场之道：专家支招：试用期如何保护自己的权益？", "/zhichang/2010/0831/273.html"},
    {"职场之道：职场新人的2个误区和5种能力!", "/zhichang/2010/0906/379.html"},
}};

const RelatedGroup *groupLinks(LinkGroup group)
{
    switch (group) {
    case LinkGroup::CareerPlanning: return &kCareerPlanning;
    case LinkGroup::MiniTests: return &kMiniTests;
    case LinkGroup::Interview: return &kInterview;
    case LinkGroup::Resume: return &kResume;
    case LinkGroup::Workplace: return &kWorkplace;
    default: return nullptr;
    }
}

// Label numbers of each panel: the five group links in order, then the brand link. The group
// itself is the page's (page table).
const struct {
    PageId page;
    int labels[6];
} kPanels[] = {
    {1, {144, 146, 148, 150, 152, 149}}, {2, {154, 155, 156, 157, 158, 161}},
    {3, {164, 165, 166, 167, 168, 171}}, {4, {174, 175, 176, 177, 178, 181}},
    {5, {184, 185, 186, 187, 188, 191}}, {6, {193, 194, 195, 196, 197, 200}},
    {7, {203, 204, 205, 206, 207, 210}}, {8, {153, 163, 173, 183, 202, 214}},
    {9, {222, 223, 224, 225, 226, 229}}, {10, {232, 233, 234, 235, 236, 239}},
    {12, {217, 218, 219, 220, 221, 248}}, {13, {251, 254, 255, 256, 257, 260}},
    {14, {263, 264, 265, 266, 267, 270}}, {15, {272, 273, 274, 275, 276, 279}},
    {16, {283, 284, 285, 286, 287, 290}}, {17, {293, 294, 295, 296, 297, 300}},
    {18, {303, 304, 305, 306, 307, 310}}, {20, {316, 317, 318, 319, 320, 570}},
    {21, {324, 325, 326, 327, 328, 330}}, {22, {334, 335, 336, 337, 338, 341}},
    {23, {344, 345, 346, 347, 348, 351}}, {24, {354, 355, 356, 357, 358, 361}},
    {25, {364, 365, 366, 367, 368, 371}}, {26, {374, 375, 376, 377, 378, 381}},
    {27, {384, 385, 386, 387, 388, 391}}, {28, {394, 395, 396, 397, 398, 401}},
    {29, {404, 405, 406, 407, 408, 411}}, {31, {417, 418, 419, 420, 421, 423}},
    {32, {434, 433, 432, 431, 430, 426}}, {33, {437, 438, 439, 440, 441, 444}},
    {34, {447, 448, 449, 450, 451, 454}},
};

// ---- advert blocks ---------------------------------------------------------------------------

const struct {
    const char *caption;
    LinkColor color;
    bool bold;
    TWebSite site;
    const char *path;
} kAdvertLinks[] = {
    {"更多详情", C::Fuchsia, false, S::ArticleSite, "/"},
    {"课程中心", C::Maroon, true, S::MainSite, "/class/kecheng/"},
    {"师资团队", C::Maroon, true, S::MainSite, "/teacher/"},
    {"求职BBS", C::Maroon, true, S::ForumSite, "/"},
    {"公益讲座", C::Maroon, true, S::MainSite, "/youhui/lecture/"},
};
const char *const kCourseBannerPath = "/class/kecheng/";

// The five advert labels in the order above, then the course banner.
const struct {
    PageId page;
    const char *names[6];
} kAdverts[] = {
    {11, {"Label602", "Label244", "Label245", "Label246", "Label603", "Image1"}},
    {19, {"Label605", "Label572", "Label573", "Label574", "Label606", "Image47"}},
    {30, {"Label609", "Label576", "Label577", "Label578", "Label610", "Image6"}},
    {35, {"Label613", "Label456", "Label457", "Label458", "Label614", "Image8"}},
};

// ---- building the rows -----------------------------------------------------------------------

QString utf8(const char *s)
{
    return QString::fromUtf8(s);
}

TLinkEntry entry(PageId page, const QString &name, const QString &caption, TLinkKind kind, LinkRole role)
{
    TLinkEntry e;
    e.page = page;
    e.name = name;
    e.caption = caption;
    e.kind = kind;
    e.role = role;
    return e;
}

TLinkEntry pageLink(PageId page, const QString &name, const QString &caption, PageId target, LinkRole role)
{
    TLinkEntry e = entry(page, name, caption, TLinkKind::PageLink, role);
    e.target = target;
    return e;
}

TLinkEntry webLink(PageId page, const QString &name, const QString &caption, TWebSite site, const char *path,
                   LinkRole role)
{
    TLinkEntry e = entry(page, name, caption, TLinkKind::WebLink, role);
    e.site = site;
    e.path = utf8(path);
    return e;
}

// Contents and section entries: hover, black; the section lines bold.
void addContents(QVector<TLinkEntry> &rows)
{
    for (const SectionRow &s : kSections) {
        TLinkEntry heading = pageLink(kContentsPage, utf8(s.name), utf8(s.caption), s.intro, R::SectionHeading);
        heading.color = C::Black;
        heading.bold = true;
        heading.hover = true;
        rows.append(heading);
        for (const TopicRow &t : kTopics) {
            if (t.intro != s.intro)
                continue;
            TLinkEntry entry = pageLink(kContentsPage, utf8(t.contentsName), utf8(t.caption), t.target, R::TopicEntry);
            entry.color = C::Black;
            entry.hover = true;
            rows.append(entry);
        }
    }
    TLinkEntry brand = webLink(kContentsPage, QStringLiteral("Label460"), utf8("Norwell官网"), S::MainSite, "",
                               R::BrandLink);
    brand.color = C::Red;
    brand.hover = true;
    rows.append(brand);
}

void addSectionPages(QVector<TLinkEntry> &rows)
{
    for (const TopicRow &t : kTopics) {
        TLinkEntry entry = pageLink(t.intro, utf8(t.sectionName), utf8(t.caption), t.target, R::TopicEntry);
        entry.color = C::Black;
        entry.hover = true;
        rows.append(entry);
    }
}

void addPanels(QVector<TLinkEntry> &rows)
{
    for (const auto &panel : kPanels) {
        const RelatedGroup *group = groupLinks(TPageTable::entry(panel.page).related);
        Q_ASSERT(group);
        const auto name = [&panel](int i) { return QStringLiteral("Label%1").arg(panel.labels[i]); };
        for (int i = 0; i < 5; ++i) {
            const RelatedLink &link = (*group)[static_cast<size_t>(i)];
            TLinkEntry e = webLink(panel.page, name(i), utf8(link.caption), S::ArticleSite, link.path, R::RelatedLink);
            e.color = TPageTable::hasLook(panel.page, MaroonRelatedLinks) ? C::Maroon : C::Black;
            e.hover = true;
            rows.append(e);
        }
        const bool article = TPageTable::hasLook(panel.page, BrandOpensArticleSite);
        TLinkEntry brand = webLink(panel.page, name(5), utf8("Norwell官网"), article ? S::ArticleSite : S::MainSite,
                                   article ? "/" : "", R::BrandLink);
        brand.color = C::Red;
        brand.hover = true;
        rows.append(brand);
    }
}

void addAdverts(QVector<TLinkEntry> &rows)
{
    for (const auto &advert : kAdverts) {
        for (int i = 0; i < 5; ++i) {
            const auto &link = kAdvertLinks[i];
            TLinkEntry e = webLink(advert.page, utf8(advert.names[i]), utf8(link.caption), link.site, link.path,
                                   R::AdvertLink);
            e.color = link.color;
            e.bold = link.bold;
            e.hover = true;
            rows.append(e);
        }
        rows.append(webLink(advert.page, utf8(advert.names[5]), QString(), S::MainSite, kCourseBannerPath, R::Picture));
    }
}

void addSingles(QVector<TLinkEntry> &rows)
{
    rows.append(pageLink(36, QStringLiteral("Image46"), QString(), 37, R::Picture));
    rows.append(webLink(36, QStringLiteral("Image48"), QString(), S::MainSite, "", R::Picture));
    TLinkEntry enter = pageLink(37, QStringLiteral("Label463"), utf8("点击进入测试"), kContentsPage, R::EntryLink);
    enter.color = C::Fuchsia;
    enter.underlined = true;
    rows.append(enter);
    rows.append(webLink(1, QStringLiteral("Panel6"), QString(), S::MainSite, "", R::Panel));
}

// Footer links follow the reading order.
void addFooters(QVector<TLinkEntry> &rows)
{
    for (PageId page = 1; page <= kPageCount; ++page) {
        const unsigned footer = TPageTable::entry(page).footer;
        QVector<TLinkEntry> links;
        if (footer & FooterPrevious)
            links.append(pageLink(page, {}, utf8("上一页"), TPageTable::previous(page), R::Footer));
        if (footer & FooterContents)
            links.append(pageLink(page, {}, utf8("目录页"), kContentsPage, R::Footer));
        if (footer & FooterNext)
            links.append(pageLink(page, {}, utf8("下一页"), TPageTable::next(page), R::Footer));
        if (footer & FooterExit) {
            TLinkEntry exit = pageLink(page, {}, utf8("退出"), kNoPage, R::Footer);
            exit.kind = TLinkKind::ExitLink;
            links.append(exit);
        }
        for (TLinkEntry &link : links) {
            link.color = C::WindowText;
            link.bold = TPageTable::hasLook(page, BoldFooter);
            rows.append(link);
        }
    }
}

QVector<TLinkEntry> buildRows()
{
    QVector<TLinkEntry> rows;
    addContents(rows);
    addSectionPages(rows);
    addSingles(rows);
    addPanels(rows);
    addAdverts(rows);
    addFooters(rows);
    return rows;
}

} // namespace

const QVector<TLinkEntry> &TLinkTable::rows()
{
    static const QVector<TLinkEntry> table = buildRows();
    return table;
}

const TLinkEntry &TLinkTable::row(int index)
{
    static const TLinkEntry none;
    Q_ASSERT_X(index >= 0 && index < rows().size(), "TLinkTable::row", "no such link");
    return index >= 0 && index < rows().size() ? rows().at(index) : none;
}

int TLinkTable::indexOf(PageId page, const QString &name)
{
    if (name.isEmpty())
        return -1;
    const QVector<TLinkEntry> &all = rows();
    for (int i = 0; i < all.size(); ++i)
        if (all[i].page == page && all[i].name == name)
            return i;
    return -1;
}

QVector<int> TLinkTable::rowsOn(PageId page, LinkRole role)
{
    QVector<int> found;
    const QVector<TLinkEntry> &all = rows();
    for (int i = 0; i < all.size(); ++i)
        if (all[i].page == page && all[i].role == role)
            found.append(i);
    return found;
}

QString TLinkTable::host(TWebSite site)
{
    for (const auto &h : kHosts)
        if (h.site == site)
            return QString::fromLatin1(h.host);
    return {};
}

QString TLinkTable::address(const TLinkEntry &link)
{
    return QStringLiteral("http://") + host(link.site) + link.path;
}

QColor TLinkTable::color(LinkColor color)
{
    switch (color) {
    case C::WindowText: return {};
    case C::Black: return QColor(0, 0, 0);
    case C::Red: return QColor(255, 0, 0);
    case C::Maroon: return QColor(128, 0, 0);
    case C::Fuchsia: return QColor(255, 0, 255);
    }
    return {};
}
