#pragma once

// Every link of the e-book as the reader is promised it: page, name, caption, what a click does
// and the resting look. The contents, cover, preface, advert and footer links are written out
// here, independently of the program's link table; the related-links panels are taken from the
// table and checked against the rules of their groups and of the brand link.

#include "book/linktable.h"

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

// The topic groups of the related-links panels: where their addresses live on the article site
// and how their captions begin.
struct GroupRule {
    const char *pathPrefix;
    const char *captionPrefix;
};
inline const GroupRule kCareerPlanning{"/guihua/", "生涯规划："};
inline const GroupRule kMiniTests{"/microtest/", "职场小测试："};
inline const GroupRule kInterview{"/mianshi/", "求职技巧："};
inline const GroupRule kResume{"/jianli/", "求职技巧："};
inline const GroupRule kWorkplace{"/zhichang/", "职场之道："};

// The pages that carry a related-links panel.
inline QVector<int> panelPages()
{
    QVector<int> pages;
    for (int p = 1; p <= 34; ++p)
        if (p != 11 && p != 19 && p != 30)
            pages << p;
    return pages;
}

inline const GroupRule &groupOf(int page)
{
    if (page == 2 || page == 6)
        return kMiniTests;
    if (page == 20 || (page >= 26 && page <= 29))
        return kInterview;
    if (page >= 21 && page <= 25)
        return kResume;
    if (page >= 31 && page <= 34)
        return kWorkplace;
    return kCareerPlanning;
}

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

    // Related-links panels: as the table holds them; the link-table test checks them against
    // the group and brand rules above.
    for (const TLinkEntry &row : TLinkTable::rows()) {
        if (row.role != LinkRole::RelatedLink && row.role != LinkRole::BrandLink)
            continue;
        if (row.page == 38)
            continue;   // listed with the contents page
        all << open(row.page, row.name, row.caption, TLinkTable::address(row), TLinkTable::color(row.color), false, true);
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
