#pragma once

// Every link of the e-book as the reader is promised it: page, name, caption, what a click does
// and the resting look. The contents, cover, preface, advert and footer links are written out
// here, independently of the program's link table, and so is every related-links panel.

#include <QColor>
#include <QString>
#include <QVector>

namespace Expected {

enum class Effect { GoTo, Open, Exit };

struct Link {
    int page = 0;
    QString name;          // empty for footer links
    QString caption;       // empty for pictures and the panel
    Effect effect = Effect::GoTo;
    int target = 0;        // GoTo
    QString address;       // Open
    QColor color;          // resting colour; invalid: the window-text colour
    bool bold = false;
    bool underlined = false;
    bool hover = false;

    bool isFooter() const { return name.isEmpty(); }
    // A readable row name for data-driven tests.
    QString tag() const { return QStringLiteral("TabSheet%1 %2").arg(page).arg(isFooter() ? caption : name); }
};

inline const QString kMainRoot = QStringLiteral("http://www.norwell.example");
inline const QString kArticleHost = QStringLiteral("http://article.norwell.example");
inline const QString kForumHost = QStringLiteral("http://bbs.norwell.example");

inline const QColor kBlack(0, 0, 0);
inline const QColor kRed(255, 0, 0);
inline const QColor kMaroon(128, 0, 0);
inline const QColor kFuchsia(255, 0, 255);
inline const QColor kBlue(0, 0, 255);

inline QString u(const char *s)
{
    return QString::fromUtf8(s);
}

inline Link goTo(int page, const QString &name, const QString &caption, int target, const QColor &color, bool bold,
                 bool hover)
{
    Link l;
    l.page = page;
    l.name = name;
    l.caption = caption;
    l.effect = Effect::GoTo;
    l.target = target;
    l.color = color;
    l.bold = bold;
    l.hover = hover;
    return l;
}

inline Link open(int page, const QString &name, const QString &caption, const QString &address, const QColor &color,
                 bool bold, bool hover)
{
    Link l;
    l.page = page;
    l.name = name;
    l.caption = caption;
    l.effect = Effect::Open;
    l.address = address;
    l.color = color;
    l.bold = bold;
    l.hover = hover;
    return l;
}

// Reading order: cover, preface, contents, then each section's introduction, its pages and its
// advert page.
inline QVector<int> readingOrder()
{
    QVector<int> order{36, 37, 38, 39, 3, 2, 1, 4, 5, 6, 7, 8, 9, 10, 11, 40, 12, 13, 14, 15, 16, 17, 18, 19, 41};
    for (int p = 20; p <= 30; ++p)
        order << p;
    order << 42 << 31 << 32 << 33 << 34 << 35;
    return order;
}

// The contents page: captions, targets and names; each section line followed by its entries, and
// the names the same entries carry on the section's introduction page.
struct ContentsRow {
    const char *caption;
    int target;
    const char *name;
    const char *sectionPageName;   // nullptr for the section lines
};

inline const ContentsRow kContents[] = {
    {"一、职业测评", 39, "Label479", nullptr},
    {"1.1  性格测试", 3, "Label467", "Label515"},
    {"1.2  菲尔人格测试", 2, "Label466", "Label516"},
    {"2.1  EQ测试", 1, "Label465", "Label518"},
    {"2.2  人际交往能力测试", 4, "Label468", "Label519"},
    {"3.1  压力了解测试", 5, "Label469", "Label521"},
    {"3.2  压力自我测验", 6, "Label470", "Label522"},
    {"3.3  PSTRI压力测试", 7, "Label471", "Label556"},
    {"4.1  事业驱策力标准测试", 8, "Label472", "Label524"},
    {"4.2  职业取向标准测试", 9, "Label473", "Label525"},
    {"4.3  职业性向标准测试", 10, "Label474", "Label526"},
    {"二、职业规划", 40, "Label480", nullptr},
    {"1.1  没有定位必会出位", 12, "Label484", "Label529"},
    {"1.2  职业规划让你赢在明天", 13, "Label485", "Label530"},
    {"2.1  职业生涯管理自我评估", 14, "Label486", "Label532"},
    {"2.2  职业规划的简捷思路", 15, "Label487", "Label533"},
    {"2.3  十招教你如何制定职业目标规划", 16, "Label488", "Label534"},
    {"3.1  职场生物进化论", 17, "Label489", "Label536"},
    {"3.2  职业目标对人生的影响", 18, "Label490", "Label537"},
    {"三、求职技巧", 41, "Label491", nullptr},
    {"1.1  合格简历做到6个避免", 20, "Label493", "Label540"},
    {"1.2  英文简历写作指南", 21, "Label494", "Label539"},
    {"1.3  金融类简历模板", 22, "Label495", "Label542"},
    {"1.4  经典双语简历模板", 23, "Label496", "Label543"},
    {"1.5  资深HR：这样的简历才出色", 24, "Label497", "Label544"},
    {"2.1  500强公司面试问题分析与解答", 25, "Label499", "Label546"},
    {"2.2  宝洁的招聘流程及面试题", 26, "Label500", "Label547"},
    {"2.3  国家开发银行面试流程", 27, "Label501", "Label548"},
    {"2.4  联想面试流程", 28, "Label502", "Label549"},
    {"2.5  百度面试流程", 29, "Label503", "Label550"},
    {"四、初涉职场", 42, "Label508", nullptr},
    {"1、职场新人守则", 31, "Label509", "Label553"},
    {"2、职场新人生存指南", 32, "Label510", "Label552"},
    {"3、职场新人必看：4招化解入职第一场危机", 33, "Label511", "Label554"},
    {"4、初涉职场：从容淡定 不与人争", 34, "Label512", "Label555"},
};

// The five links of each topic group, in panel order: caption and address on the article site.
struct PanelLink {
    const char *caption;
    const char *path;
};
using PanelGroup = PanelLink[5];

inline const PanelGroup kCareerPlanning = {
    {"生涯规划：你有自己的职业规划吗？", "/guihua/2010/0913/439.html"},
    {"生涯规划：职场新人如何胜出 ？", "/guihua/2010/0911/438.html"},
    {"生涯规划：五标准帮你找到理想职位！", "/guihua/2010/0831/275.html"},
    {"生涯规划：你是职场\"迷茫族\"之一吗？", "/guihua/2010/0828/217.html"},
    {"生涯规划：茫茫职场，如何找准\"位子\"？", "/guihua/2010/0828/216.html"},
};
inline const PanelGroup kMiniTests = {
    {"职场小测试：随身物品看你职场性格？", "/microtest/2010/0906/398.html"},
    {"职场小测试：你的领导风格是什么？", "/microtest/2010/0906/395.html"},
    {"职场小测试：工作中你在意什么？", "/microtest/2010/0903/368.html"},
    {"职场小测试：你的个性适合什么职业？", "/microtest/2010/0902/337.html"},
    {"职场小测试：你是职场中的哪种动物？", "/microtest/2010/0902/338.html"},
};
inline const PanelGroup kInterview = {
    {"求职技巧：必看：公务员考试结构化面试答辩八原则", "/mianshi/jiegouhua/2010/0913/444.html"},
    {"求职技巧：美的HR给你讲解结构化面试", "/mianshi/jiegouhua/2010/0903/358.html"},
    {"求职技巧：公务员无领导小组讨论面试五大角色及特性", "/mianshi/wulingdao/2010/0913/443.html"},
    {"求职技巧：HR给应届生的白金面试法则", "/mianshi/hr/2010/0903/351.html"},
    {"求职技巧：应聘技巧：怎样在面试中察颜观色", "/mianshi/jiqiao/2010/0831/271.html"},
};
inline const PanelGroup kResume = {
    {"求职技巧：汉语言文学专业中文简历", "/jianli/muban/2010/0913/453.html"},
    {"求职技巧：求职信模板--国贸类", "/jianli/qiuzhixin/2010/0831/266.html"},
    {"求职技巧：求职信模板--银行类", "/jianli/qiuzhixin/2010/0831/265.html"},
    {"求职技巧：超经典英文简历模板", "/jianli/muban/2010/0831/264.html"},
    {"求职技巧：详解英文简历格式", "/jianli/jiqiao/2010/0827/86.html"},
};
inline const PanelGroup kWorkplace = {
    {"职场之道：给职场新鲜人!", "/zhichang/2010/0908/423.html"},
    {"职场之道：职场必读：菜鸟白领如何应付卖老同事？", "/zhichang/2010/0907/407.html"},
    {"职场之道：职场\"暗语\"你能听懂多少？", "/zhichang/2010/0906/380.html"},
    {"职场之道：专家支招：试用期如何保护自己的权益？", "/zhichang/2010/0831/273.html"},
    {"职场之道：职场新人的2个误区和5种能力!", "/zhichang/2010/0906/379.html"},
};

// Every panel: its page, its group and the label numbers of the five group links in order, then
// of "Norwell官网".
struct Panel {
    int page;
    const PanelGroup *group;
    int labels[6];
};
inline const Panel kPanels[] = {
    {1, &kCareerPlanning, {144, 146, 148, 150, 152, 149}},  {2, &kMiniTests, {154, 155, 156, 157, 158, 161}},
    {3, &kCareerPlanning, {164, 165, 166, 167, 168, 171}},  {4, &kCareerPlanning, {174, 175, 176, 177, 178, 181}},
    {5, &kCareerPlanning, {184, 185, 186, 187, 188, 191}},  {6, &kMiniTests, {193, 194, 195, 196, 197, 200}},
    {7, &kCareerPlanning, {203, 204, 205, 206, 207, 210}},  {8, &kCareerPlanning, {153, 163, 173, 183, 202, 214}},
    {9, &kCareerPlanning, {222, 223, 224, 225, 226, 229}},  {10, &kCareerPlanning, {232, 233, 234, 235, 236, 239}},
    {12, &kCareerPlanning, {217, 218, 219, 220, 221, 248}}, {13, &kCareerPlanning, {251, 254, 255, 256, 257, 260}},
    {14, &kCareerPlanning, {263, 264, 265, 266, 267, 270}}, {15, &kCareerPlanning, {272, 273, 274, 275, 276, 279}},
    {16, &kCareerPlanning, {283, 284, 285, 286, 287, 290}}, {17, &kCareerPlanning, {293, 294, 295, 296, 297, 300}},
    {18, &kCareerPlanning, {303, 304, 305, 306, 307, 310}}, {20, &kInterview, {316, 317, 318, 319, 320, 570}},
    {21, &kResume, {324, 325, 326, 327, 328, 330}},         {22, &kResume, {334, 335, 336, 337, 338, 341}},
    {23, &kResume, {344, 345, 346, 347, 348, 351}},         {24, &kResume, {354, 355, 356, 357, 358, 361}},
    {25, &kResume, {364, 365, 366, 367, 368, 371}},         {26, &kInterview, {374, 375, 376, 377, 378, 381}},
    {27, &kInterview, {384, 385, 386, 387, 388, 391}},      {28, &kInterview, {394, 395, 396, 397, 398, 401}},
    {29, &kInterview, {404, 405, 406, 407, 408, 411}},      {31, &kWorkplace, {417, 418, 419, 420, 421, 423}},
    {32, &kWorkplace, {434, 433, 432, 431, 430, 426}},      {33, &kWorkplace, {437, 438, 439, 440, 441, 444}},
    {34, &kWorkplace, {447, 448, 449, 450, 451, 454}},
};

// "Norwell官网" opens the article site's root on TabSheet13 to TabSheet18; the main site's bare
// host on the questionnaire pages, the other articles, the contents page and, by our choice, on
// TabSheet12.
inline QString brandAddress(int page)
{
    return page >= 13 && page <= 18 ? kArticleHost + QStringLiteral("/") : kMainRoot;
}

inline QVector<Link> links()
{
    QVector<Link> all;

    // Contents page and section pages.
    int section = 0;
    for (const ContentsRow &r : kContents) {
        const bool heading = !r.sectionPageName;
        if (heading)
            section = r.target;
        all << goTo(38, u(r.name), u(r.caption), r.target, kBlack, heading, true);
        if (!heading)
            all << goTo(section, u(r.sectionPageName), u(r.caption), r.target, kBlack, false, true);
    }
    all << open(38, QStringLiteral("Label460"), u("Norwell官网"), kMainRoot, kRed, false, true);

    // Cover, preface and the panel of TabSheet1.
    all << goTo(36, QStringLiteral("Image46"), {}, 37, {}, false, false);
    all << open(36, QStringLiteral("Image48"), {}, kMainRoot, {}, false, false);
    Link enter = goTo(37, QStringLiteral("Label463"), u("点击进入测试"), 38, kFuchsia, false, false);
    enter.underlined = true;
    all << enter;
    all << open(1, QStringLiteral("Panel6"), {}, kMainRoot, {}, false, false);

    // Related-links panels: the mini tests of TabSheet2 rest in maroon, all others in black.
    for (const Panel &panel : kPanels) {
        const auto name = [&panel](int i) { return QStringLiteral("Label%1").arg(panel.labels[i]); };
        for (int i = 0; i < 5; ++i)
            all << open(panel.page, name(i), u((*panel.group)[i].caption), kArticleHost + u((*panel.group)[i].path),
                        panel.page == 2 ? kMaroon : kBlack, false, true);
        all << open(panel.page, name(5), u("Norwell官网"), brandAddress(panel.page), kRed, false, true);
    }

    // Advert blocks.
    const struct {
        int page;
        const char *names[6];
    } adverts[] = {
        {11, {"Label602", "Label244", "Label245", "Label246", "Label603", "Image1"}},
        {19, {"Label605", "Label572", "Label573", "Label574", "Label606", "Image47"}},
        {30, {"Label609", "Label576", "Label577", "Label578", "Label610", "Image6"}},
        {35, {"Label613", "Label456", "Label457", "Label458", "Label614", "Image8"}},
    };
    for (const auto &a : adverts) {
        all << open(a.page, u(a.names[0]), u("更多详情"), kArticleHost + "/", kFuchsia, false, true)
            << open(a.page, u(a.names[1]), u("课程中心"), kMainRoot + "/class/kecheng/", kMaroon, true, true)
            << open(a.page, u(a.names[2]), u("师资团队"), kMainRoot + "/teacher/", kMaroon, true, true)
            << open(a.page, u(a.names[3]), u("求职BBS"), kForumHost + "/", kMaroon, true, true)
            << open(a.page, u(a.names[4]), u("公益讲座"), kMainRoot + "/youhui/lecture/", kMaroon, true, true)
            << open(a.page, u(a.names[5]), {}, kMainRoot + "/class/kecheng/", {}, false, false);
    }

    // Footers: previous and next follow the reading order.
    const QVector<int> order = readingOrder();
    for (int page = 1; page <= 35; ++page) {
        const int at = static_cast<int>(order.indexOf(page));
        const bool bold = page == 1;
        if (page != 3)
            all << goTo(page, {}, u("上一页"), order.at(at - 1), {}, bold, false);
        all << goTo(page, {}, u("目录页"), 38, {}, bold, false);
        if (page != 35) {
            all << goTo(page, {}, u("下一页"), order.at(at + 1), {}, bold, false);
        } else {
            Link exit = goTo(page, {}, u("退出"), 0, {}, bold, false);
            exit.effect = Effect::Exit;
            all << exit;
        }
    }
    return all;
}

} // namespace Expected
