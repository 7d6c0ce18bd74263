#pragma once

#include "book/pagetable.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <climits>

// The questionnaire model shared by the choice-question tests: questions and their key, the check
// for unanswered questions, scoring, verdicts by bands, and the reset on page entry. Each test
// supplies its questions, key and texts and overrides only where it departs from the common flow.
// Nothing here needs a widget: results are written through IQuestionnaireView.

struct TChoiceQuestion {
    int Number = 0;               // 1..N, begins the printed prompt
    QString prompt;
    QStringList options;
    int columns = 1;
    QVector<int> Points;          // one per option
    int AnswerIndex = -1;         // -1 until the reader chooses
};

struct TVerdictBand {
    int Low = INT_MIN;            // inclusive; the first band is open downwards
    int High = INT_MAX;           // inclusive; the last band is open upwards
    QString Text;
};

// What Finish and Reset write to. The page implements it; tests can record it.
class IQuestionnaireView {
public:
    virtual ~IQuestionnaireView() = default;
    // Program write: shows question `number` with `index` selected (-1: none); runs no handler.
    virtual void showAnswer(int number, int index) = 0;
    virtual void clearResultBox() = 0;
    virtual void addResultLine(const QString &line) = 0;
    // Score fields, count lines and totals, by their component name.
    virtual void setFieldText(const QString &name, const QString &text) = 0;
    // The modal "提示" box with one OK button; returns when the reader closes it.
    virtual void showNotice(const QString &text) = 0;
    // The application's standard error box, for a failure no handler catches.
    virtual void showError(const QString &text) = 0;
};

// What a questionnaire page runs: Finish on its button, Reset on page entry.
class IPageTest {
public:
    virtual ~IPageTest() = default;
    virtual void Finish(IQuestionnaireView &view) = 0;
    virtual void Reset(IQuestionnaireView &view) = 0;

    // Progress while answering: how many items (questions, or pairs of score boxes) the test
    // has, which of them still lack an answer (numbered from 1), and how many are answered.
    virtual int itemCount() const = 0;
    virtual QVector<int> unansweredItems() const = 0;
    int answeredCount() const { return itemCount() - static_cast<int>(unansweredItems().size()); }
};

constexpr int kQuestionListSize = 60;

// Framework state, shared by all questionnaires and kept for the program's lifetime.
struct FrameworkState {
    int RunningScore = 0;
    QString UnansweredList;
    QString VerdictText;
    std::array<TChoiceQuestion *, kQuestionListSize + 1> QuestionList{}; // slots 1..60
};
FrameworkState &frameworkState();

// The score as a reader sees it: "71 分".
QString scoreWithUnit(int score);

const TVerdictBand *bandFor(const QVector<TVerdictBand> &bands, int score);

class TQuestionnaire : public IPageTest {
public:
    explicit TQuestionnaire(PageId page) : m_page(page) {}

    PageId page() const { return m_page; }
    QVector<TChoiceQuestion> Questions;
    QVector<TVerdictBand> Bands;
    QString ScoreField;           // component name; empty when the test has none
    bool HasResultBox = true;
    // Tests whose Finish walks QuestionList by position fill it themselves first.
    bool FinishFillsQuestionList = false;

    TChoiceQuestion &question(int number) { return Questions[number - 1]; }
    const TChoiceQuestion &question(int number) const { return Questions[number - 1]; }

    // The reader picked option `index` of question `number`.
    void select(int number, int index);

    void Finish(IQuestionnaireView &view) override;
    void Reset(IQuestionnaireView &view) override;
    int itemCount() const override { return static_cast<int>(Questions.size()); }
    QVector<int> unansweredItems() const override;

protected:
    // Text of the incomplete message, given the list "3,5,12,".
    virtual QString incompleteMessage(const QString &unanswered) const;
    // Steps 6 to 8 of Finish for a complete set of answers: by default the verdict of the score's
    // band as the result line and the score with its unit in the score field.
    virtual void writeResult(int score, IQuestionnaireView &view);
    // Runs after the reader's selection has changed an answer.
    virtual void answerChanged(int number);
    // Fields Reset empties; by default the score field.
    virtual QStringList fieldsClearedOnReset() const;

private:
    void fillQuestionList();

    PageId m_page;
};
