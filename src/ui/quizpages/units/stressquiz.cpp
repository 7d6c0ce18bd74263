// The stress knowledge quiz on TabSheet5: every statement is false. Finish counts the "否" and
// "是" answers into a count line that page entry leaves as it is.
#include "ui/quizpages/units.h"

using namespace UnitSupport;

namespace {
const char *const kData = ":/data/stressquiz.txt";

class StressQuiz : public TQuestionnaire {
public:
    StressQuiz() : TQuestionnaire(5) {}

protected:
    void writeResult(int score, IQuestionnaireView &view) override
    {
        const int no = score, yes = 10 - score;
        view.setFieldText(QStringLiteral("Label567"), QString::fromUtf8("您选了%1个否-------%2个是 ").arg(no).arg(yes));
        view.addResultLine(QString::fromUtf8("应该全选\"否\"，你选的\"是\"越多，说明你对压力的了解越少。"));
    }
};
} // namespace

std::unique_ptr<TQuestionnaire> Units::stressQuizModel()
{
    auto model = std::make_unique<StressQuiz>();
    for (int k = 1; k <= 10; ++k)
        model->Questions.append(question(k, prompt(kData, k),
                                         {QString::fromUtf8("是"), QString::fromUtf8("否")}, 2, {0, 1}));
    return model;
}

QuestionnairePage *Units::stressQuizPage(QWidget *page)
{
    auto *p = new QuestionnairePage(page, stressQuizModel(), contentTop(5));
    p->text(text(kData, "intro"), QuestionnaireFonts::intro());
    p->questions(1, 10, QuestionnairePage::Prompt::LabelAbove, numbered("rdg5_"));
    p->gap(6);
    p->finishButton(QStringLiteral("Button5_1"));
    p->countLine(QString::fromUtf8("答案："), QStringLiteral("Label5_1"), QStringLiteral("Label567"));
    p->resultBox(QStringLiteral("Memo15"), 60, QuestionnaireFonts::result());
    return p;
}
