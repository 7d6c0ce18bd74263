#include "book/pagetable.h"

#include <array>

namespace {

using K = TPageKind;
using G = LinkGroup;
constexpr unsigned kFooterAll = FooterPrevious | FooterContents | FooterNext;

// In container order: TabSheet1 is at position 0.
const std::array<TPageEntry, kPageCount> kPages = {{
    {1, 7, K::Questionnaire, "欧美最新500强企业人才测评试题与答案", "--测测你的EQ(情绪智商)", 3400, true, G::CareerPlanning, kFooterAll, BoldFooter},
    {2, 6, K::Questionnaire, "菲尔人格测试", "", 2200, true, G::MiniTests, kFooterAll, MaroonRelatedLinks},
    {3, 5, K::Questionnaire, "中国现代研究所性格测试", "", 3000, true, G::CareerPlanning, FooterContents | FooterNext},
    {4, 8, K::Questionnaire, "人际交往能力测试题", "", 2700, true, G::CareerPlanning, kFooterAll},
    {5, 9, K::Questionnaire, "你对压力的了解有多少", "", 1500, true, G::CareerPlanning, kFooterAll},
    {6, 10, K::Questionnaire, "压力自我测验", "", 2200, true, G::MiniTests, kFooterAll},
    {7, 11, K::Questionnaire, "PSTRI压力测试问卷", "", 4100, true, G::CareerPlanning, kFooterAll},
    {8, 12, K::Questionnaire, "事业驱策力标准测试 ", "", 5400, true, G::CareerPlanning, kFooterAll},
    {9, 13, K::Questionnaire, "职业取向标准测试 ", "", 4900, true, G::CareerPlanning, kFooterAll},
    {10, 14, K::Questionnaire, "职业性向(工作作风)标准测试 ", "", 4700, true, G::CareerPlanning, kFooterAll},
    {11, 15, K::Advert, "", "", 1800, false, G::AdvertBlock, kFooterAll},
    {12, 17, K::Article, "没有定位必会出位", "", 1500, false, G::CareerPlanning, kFooterAll, BrandWithoutFullStop},
    {13, 18, K::Article, "职业规划让你赢在明天", "", 2800, false, G::CareerPlanning, kFooterAll, BrandOpensArticleSite},
    {14, 19, K::Article, "职业生涯管理（CM）---自我评估 ", "", 1500, false, G::CareerPlanning, kFooterAll, BrandOpensArticleSite},
    {15, 20, K::Article, "职业规划的简捷思路", "", 3100, false, G::CareerPlanning, kFooterAll, BrandOpensArticleSite},
    {16, 21, K::Article, "十招教你如何制定职业目标规划", "", 1800, false, G::CareerPlanning, kFooterAll, BrandOpensArticleSite},
    {17, 22, K::Article, "职场生物进化论", "", 1500, false, G::CareerPlanning, kFooterAll, BrandOpensArticleSite},
    {18, 23, K::Article, "职业目标对人生的影响", "", 1500, false, G::CareerPlanning, kFooterAll, BrandOpensArticleSite},
    {19, 24, K::Advert, "", "", 1800, false, G::AdvertBlock, kFooterAll},
    {20, 26, K::Article, "合格简历做到6个避免", "", 1500, false, G::Interview, kFooterAll},
    {21, 27, K::Article, "英文简历写作指南", "", 1800, false, G::Resume, kFooterAll},
    {22, 28, K::Article, "金融类简历模板", "", 1800, false, G::Resume, kFooterAll},
    {23, 29, K::Article, "双语简历模板", "", 2500, false, G::Resume, kFooterAll},
    {24, 30, K::Article, "资深HR：这样的简历才出色", "", 1900, false, G::Resume, kFooterAll},
    {25, 31, K::Article, "500强公司面试问题分析与解答", "", 1500, false, G::Resume, kFooterAll},
    {26, 32, K::Article, "宝洁的招聘流程及面试题", "", 2300, false, G::Interview, kFooterAll},
    {27, 33, K::Article, "国家开发银行面试流程", "", 1500, false, G::Interview, kFooterAll},
    {28, 34, K::Article, "联想面试流程", "", 1500, false, G::Interview, kFooterAll},
    {29, 35, K::Article, "百度面试流程", "", 1500, false, G::Interview, kFooterAll},
    {30, 36, K::Advert, "", "", 1800, false, G::AdvertBlock, kFooterAll},
    {31, 38, K::Article, "职场新人守则", "", 1500, false, G::Workplace, kFooterAll},
    {32, 39, K::Article, "职场新人生存指南", "", 1800, false, G::Workplace, kFooterAll},
    {33, 40, K::Article, "职场新人必看：4招化解入职第一场危机", "", 1800, false, G::Workplace, kFooterAll},
    {34, 41, K::Article, "初涉职场：从容淡定 不与人争", "", 1500, false, G::Workplace, kFooterAll},
    {35, 42, K::Advert, "", "", 1800, false, G::AdvertBlock, FooterPrevious | FooterContents | FooterExit},
    {36, 1, K::Cover, "", "", 1000, false, G::None, FooterNone},
    {37, 2, K::Preface, "前言", "声明", 1500, false, G::None, FooterNone},
    {38, 3, K::Contents, "目录", "", 1500, false, G::BrandOnly, FooterNone, BrandWithoutFullStop},
    {39, 4, K::SectionIntro, "职业测评", "", 1500, false, G::None, FooterNone},
    {40, 16, K::SectionIntro, "职业规划", "", 1500, false, G::None, FooterNone},
    {41, 25, K::SectionIntro, "求职技巧", "", 1500, false, G::None, FooterNone},
    {42, 37, K::SectionIntro, "初涉职场", "", 1500, false, G::None, FooterNone},
}};

// Built from the reading positions of the table, so the two can never disagree.
QVector<PageId> buildReadingOrder()
{
    QVector<PageId> order(kPageCount, kNoPage);
    for (const TPageEntry &e : kPages)
        order[e.readingPosition - 1] = e.id;
    return order;
}

} // namespace

const TPageEntry &TPageTable::entry(PageId id)
{
    Q_ASSERT_X(isValid(id), "TPageTable::entry", "no such page");
    return kPages[static_cast<size_t>(isValid(id) ? id - 1 : kStartPage - 1)];
}

const TPageEntry *TPageTable::byName(const QString &name)
{
    if (!name.startsWith(QLatin1String("TabSheet")))
        return nullptr;
    bool ok = false;
    const int id = name.mid(8).toInt(&ok);
    if (!ok || !isValid(id) || TPageEntry::pageName(id) != name)
        return nullptr;
    return &entry(id);
}

const QVector<PageId> &TPageTable::readingOrder()
{
    static const QVector<PageId> order = buildReadingOrder();
    return order;
}

PageId TPageTable::previous(PageId id)
{
    const int r = entry(id).readingPosition;
    return r > 1 ? readingOrder().at(r - 2) : kNoPage;
}

PageId TPageTable::next(PageId id)
{
    const int r = entry(id).readingPosition;
    return r < kPageCount ? readingOrder().at(r) : kNoPage;
}
