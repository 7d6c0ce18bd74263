// The PSTRI stress questionnaire on TabSheet7: fifty items on a four-step frequency scale.
#include "ui/quizpages/units.h"

using namespace UnitSupport;

namespace {
const char *const kData = ":/data/pstri.txt";
} // namespace

std::unique_ptr<TQuestionnaire> Units::pstriModel()
{
    auto model = std::make_unique<TQuestionnaire>(7);
    const QStringList options{QString::fromUtf8("总是"), QString::fromUtf8("经常"), QString::fromUtf8("有时"),
                              QString::fromUtf8("很少")};
    for (int k = 1; k <= 50; ++k)
        model->Questions.append(question(k, prompt(kData, k), options, 4, {4, 3, 2, 1}));
    const int bounds[][2] = {{INT_MIN, 59}, {60, 70}, {71, 81}, {82, 92}, {93, INT_MAX}};
    for (int i = 0; i < 5; ++i)
        model->Bands.append({bounds[i][0], bounds[i][1], text(kData, QStringLiteral("verdict%1").arg(i + 1))});
    model->ScoreField = QStringLiteral("ed_df6");
    model->FinishFillsQuestionList = true;
    return model;
}

QuestionnairePage *Units::pstriPage(QWidget *page)
{
    auto *p = new QuestionnairePage(page, pstriModel(), contentTop(7));
    p->text(text(kData, "intro"), QuestionnaireFonts::introBold());
    p->questions(1, 50, QuestionnairePage::Prompt::Caption, numbered("RadioGroup", 10));
    p->scoreBlock(QStringLiteral("Button7_1"), QString::fromUtf8("测试结果："), QStringLiteral("ed_df6"), false,
                  QStringLiteral("Memo7_1"), 96, QuestionnaireFonts::result());
    return p;
}
