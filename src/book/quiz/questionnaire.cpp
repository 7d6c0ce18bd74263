#include "book/quiz/questionnaire.h"

#include "book/texts.h"

namespace {

QString shared(const char *key)
{
    return TextData::text(QStringLiteral(":/data/common.txt"), QString::fromLatin1(key));
}

} // namespace

FrameworkState &frameworkState()
{
    static FrameworkState state;
    return state;
}

QString scoreWithUnit(int score)
{
    return QString::number(score) + shared("unit");
}

const TVerdictBand *bandFor(const QVector<TVerdictBand> &bands, int score)
{
    for (const TVerdictBand &band : bands)
        if (band.Low <= score && score <= band.High)
            return &band;
    return nullptr;
}

void TQuestionnaire::select(int number, int index)
{
    if (number < 1 || number > Questions.size())
        return;
    TChoiceQuestion &q = question(number);
    if (index < 0 || index >= q.options.size() || index == q.AnswerIndex)
        return;
    q.AnswerIndex = index;
    answerChanged(number);
}

void TQuestionnaire::fillQuestionList()
{
    FrameworkState &s = frameworkState();
    for (int k = 1; k <= Questions.size() && k <= kQuestionListSize; ++k)
        s.QuestionList[static_cast<size_t>(k)] = &question(k);
}

void TQuestionnaire::Finish(IQuestionnaireView &view)
{
    FrameworkState &s = frameworkState();
    s.RunningScore = 0;
    if (HasResultBox)
        view.clearResultBox();
    if (FinishFillsQuestionList)
        fillQuestionList();
    s.UnansweredList.clear();
    for (int k = 1; k <= Questions.size(); ++k) {
        const TChoiceQuestion &q = FinishFillsQuestionList ? *s.QuestionList[static_cast<size_t>(k)] : question(k);
        if (q.AnswerIndex < 0)
            s.UnansweredList += QString::number(k) + QLatin1Char(',');
        else
            s.RunningScore += q.Points.value(q.AnswerIndex);
    }
    if (!s.UnansweredList.isEmpty()) {
        s.UnansweredList = incompleteMessage(s.UnansweredList);
        view.showNotice(s.UnansweredList);
        return;
    }
    writeResult(s.RunningScore, view);
}

void TQuestionnaire::Reset(IQuestionnaireView &view)
{
    fillQuestionList();
    for (int k = 1; k <= Questions.size(); ++k) {
        question(k).AnswerIndex = -1;
        view.showAnswer(k, -1);
    }
    for (const QString &field : fieldsClearedOnReset())
        view.setFieldText(field, QString());
    if (HasResultBox)
        view.clearResultBox();
}

QVector<int> TQuestionnaire::unansweredItems() const
{
    QVector<int> missing;
    for (const TChoiceQuestion &q : Questions)
        if (q.AnswerIndex < 0)
            missing << q.Number;
    return missing;
}

QString TQuestionnaire::incompleteMessage(const QString &unanswered) const
{
    return unanswered + shared("incomplete");
}

void TQuestionnaire::writeResult(int score, IQuestionnaireView &view)
{
    FrameworkState &s = frameworkState();
    if (const TVerdictBand *band = bandFor(Bands, score))
        s.VerdictText = band->Text;
    view.addResultLine(s.VerdictText);
    view.setFieldText(ScoreField, scoreWithUnit(score));
}

void TQuestionnaire::answerChanged(int) {}

QStringList TQuestionnaire::fieldsClearedOnReset() const
{
    return ScoreField.isEmpty() ? QStringList() : QStringList{ScoreField};
}
