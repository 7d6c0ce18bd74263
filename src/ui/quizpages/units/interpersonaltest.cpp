// The interpersonal skills test on TabSheet4: a score and one fixed line instead of a verdict.
#include "ui/quizpages/units.h"

using namespace UnitSupport;

namespace {
const char *const kData = ":/data/interpersonal.txt";

class InterpersonalTest : public TQuestionnaire {
public:
    InterpersonalTest() : TQuestionnaire(4) {}

protected:
    void writeResult(int score, IQuestionnaireView &view) override
    {
        TFrameworkState &s = frameworkState();
        s.ScoreText = QString::number(score);
        view.setFieldText(ScoreField, s.ScoreText + QStringLiteral(" 分"));
        view.addResultLine(QString::fromUtf8("分值越高，说明您的人际交往能力越强。"));
    }
};
} // namespace

std::unique_ptr<TQuestionnaire> Units::interpersonalModel()
{
    auto model = std::make_unique<InterpersonalTest>();
    for (int k = 1; k <= 15; ++k) {
        const QVector<int> points = k <= 5 ? QVector<int>{1, 3, 5} : k <= 10 ? QVector<int>{3, 5, 1} : QVector<int>{5, 1, 3};
        model->Questions.append(question(k, prompt(kData, k),
                                         options(kData, k), 1, points));
    }
    model->ScoreField = QStringLiteral("ed_df4");
    return model;
}

QuestionnairePage *Units::interpersonalPage(QWidget *page)
{
    auto *p = new QuestionnairePage(page, interpersonalModel(), contentTop(4));
    p->text(QString::fromUtf8("根据自己的实际情况，认真考虑下列问题，从所给备选答案中选出最符合自己的一项。"),
            QuestionnaireFonts::intro());
    p->questions(1, 15, QuestionnairePage::Prompt::Caption, numbered("rdgp4_"));
    p->scoreBlock(QStringLiteral("Button4_1"), QString::fromUtf8("测试得分："), QStringLiteral("ed_df4"), true,
                  QStringLiteral("Memo1"), 40, QuestionnaireFonts::result());
    return p;
}
