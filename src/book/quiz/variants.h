#pragma once

#include "book/quiz/questionnaire.h"

// The questionnaires whose Finish departs from the common flow; their texts come from their records.
namespace Quiz {

// A score and one fixed line instead of a verdict.
class FixedLineTest : public TQuestionnaire {
public:
    FixedLineTest(PageId page, QString line) : TQuestionnaire(page), m_line(std::move(line)) {}

protected:
    void writeResult(int score, IQuestionnaireView &view) override;

private:
    QString m_line;
};

// Counts the "否" (the score) and "是" answers into a count line that page entry leaves as it is.
class CountLineTest : public TQuestionnaire {
public:
    static constexpr const char *kCountField = "Label567";
    CountLineTest(PageId page, QString countLine, QString line)
        : TQuestionnaire(page), m_countLine(std::move(countLine)), m_line(std::move(line))
    {
    }

protected:
    void writeResult(int score, IQuestionnaireView &view) override;

private:
    QString m_countLine;   // "%1" the number of "否", "%2" of "是"
    QString m_line;
};

// Sixty yes/no statements: question n belongs to interest letter (n - 1) mod 6 of kLetters, and
// Finish counts the "是" answers of each letter into its field.
class LetterCountTest : public TQuestionnaire {
public:
    static constexpr const char kLetters[] = "RCESAI";
    static QString field(char letter) { return QChar(letter) + QStringLiteral("_edit"); }

    LetterCountTest(PageId page, QString incomplete);

protected:
    QString incompleteMessage(const QString &unanswered) const override;
    void writeResult(int score, IQuestionnaireView &view) override;
    QStringList fieldsClearedOnReset() const override;

private:
    QString m_incomplete;
};

// Every selection rewrites its own question's cells of the tally sheet at once; Finish only
// checks that all questions are answered and adds the rows up.
class TallyTest : public TQuestionnaire {
public:
    static const QStringList &totalFields();   // Edit48 .. Edit53, one per row

    TallyTest(PageId page, QString incompleteSuffix);

protected:
    void answerChanged(int number) override;
    QString incompleteMessage(const QString &unanswered) const override;
    void writeResult(int score, IQuestionnaireView &view) override;
    QStringList fieldsClearedOnReset() const override;

private:
    QString m_suffix;
};

} // namespace Quiz
