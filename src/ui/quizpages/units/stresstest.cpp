// The stress self-test on TabSheet6: the number of "是" answers, in three bands.
#include "ui/quizpages/units.h"

using namespace UnitSupport;

namespace {
const char *const kData = ":/data/stresstest.txt";
} // namespace

std::unique_ptr<TQuestionnaire> Units::stressTestModel()
{
    auto model = std::make_unique<TQuestionnaire>(6);
    for (int k = 1; k <= 20; ++k)
        model->Questions.append(question(k, prompt(kData, k),
                                         {QString::fromUtf8("是"), QString::fromUtf8("不是")}, 2, {1, 0}));
    model->Bands = {{INT_MIN, 5, QString::fromUtf8("你的压力正常；")},
                    {6, 14, QString::fromUtf8("你的压力有些高，请及时进行调节；")},
                    {15, INT_MAX, QString::fromUtf8("高压危险！你的身心正在遭受到严重伤害，必要的话该寻求专业咨询机构的协助。")}};
    model->ScoreField = QStringLiteral("ed_df5");
    return model;
}

QuestionnairePage *Units::stressTestPage(QWidget *page)
{
    auto *p = new QuestionnairePage(page, stressTestModel(), contentTop(6));
    p->text(text(kData, "intro"), QuestionnaireFonts::intro());
    p->questions(1, 20, QuestionnairePage::Prompt::LabelAbove, numbered("rdgp6_"));
    p->scoreBlock(QStringLiteral("Button2"), QString::fromUtf8("测试结果："), QStringLiteral("ed_df5"), false,
                  QStringLiteral("Memo6_1"), 60, QuestionnaireFonts::result());
    return p;
}
