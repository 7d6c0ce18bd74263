// The Phil personality test on TabSheet2: ten questions, a weight for every option.
#include "ui/quizpages/units.h"

using namespace UnitSupport;

namespace {
const char *const kData = ":/data/phil.txt";
const int kColumns[10] = {3, 2, 1, 2, 2, 1, 1, 2, 2, 2};
const QVector<int> kPoints[10] = {{2, 4, 6},          {6, 4, 7, 2, 1},    {4, 2, 5, 7, 6}, {4, 6, 2, 1},
                                  {6, 4, 3, 2},       {6, 4, 2},          {6, 2, 4},       {6, 7, 5, 4, 3, 2, 1},
                                  {7, 6, 4, 2, 1},    {4, 2, 3, 5, 6, 1}};
} // namespace

std::unique_ptr<TQuestionnaire> Units::philModel()
{
    auto model = std::make_unique<TQuestionnaire>(2);
    for (int k = 1; k <= 10; ++k)
        model->Questions.append(question(k, prompt(kData, k),
                                         options(kData, k), kColumns[k - 1],
                                         kPoints[k - 1]));
    const auto v = [](const char *s) { return QString::fromUtf8(s); };
    model->Bands = {{INT_MIN, 20, v("内向的悲观者。大多数公司不喜欢这类性格。")},
                    {21, 30, v("缺乏信心的挑剔者。适合编辑、会计等数字和稽核工作。")},
                    {31, 40, v("\t以牙还牙的自我保护者。有最广泛的适应性。")},
                    {41, 50, v("平衡的中道者。适合人力资源工作。")},
                    {51, 60, v("吸引人的冒险家。适合市场开发与销售工作，适合独当一面。")},
                    {61, INT_MAX, v("\t傲慢的孤独者。通常很有才华，但与人沟通功夫欠佳，可做研发指导工作。")}};
    model->ScoreField = QStringLiteral("ed_df1");
    return model;
}

QuestionnairePage *Units::philPage(QWidget *page)
{
    auto *p = new QuestionnairePage(page, philModel(), contentTop(2));
    p->text(text(kData, "intro"), QuestionnaireFonts::intro());
    p->questions(1, 10, QuestionnairePage::Prompt::Caption, numbered("rdgp2_"));
    p->scoreBlock(QStringLiteral("Button1"), QString::fromUtf8("测试结果："), QStringLiteral("ed_df1"), false,
                  QStringLiteral("Memo2_1"), 64, QuestionnaireFonts::result());
    return p;
}
