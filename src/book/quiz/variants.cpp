#include "book/quiz/variants.h"

#include "book/quiz/tallysheet.h"

namespace Quiz {

void FixedLineTest::writeResult(int score, IQuestionnaireView &view)
{
    view.setFieldText(ScoreField, scoreWithUnit(score));
    view.addResultLine(m_line);
}

void CountLineTest::writeResult(int score, IQuestionnaireView &view)
{
    const int no = score, yes = int(Questions.size()) - score;
    view.setFieldText(QString::fromLatin1(kCountField), m_countLine.arg(no).arg(yes));
    view.addResultLine(m_line);
}

LetterCountTest::LetterCountTest(PageId page, QString incomplete)
    : TQuestionnaire(page), m_incomplete(std::move(incomplete))
{
}

QString LetterCountTest::incompleteMessage(const QString &) const
{
    return m_incomplete;
}

void LetterCountTest::writeResult(int, IQuestionnaireView &view)
{
    for (int letter = 0; letter < 6; ++letter) {
        int count = 0;
        for (int n = letter + 1; n <= Questions.size(); n += 6)
            if (question(n).AnswerIndex == 0)
                ++count;
        view.setFieldText(field(kLetters[letter]), QString::number(count));
    }
}

QStringList LetterCountTest::fieldsClearedOnReset() const
{
    QStringList fields;
    for (const char *l = kLetters; *l; ++l)
        fields << field(*l);
    return fields;
}

namespace {

// The cells option A and option B of each question set to 1 (0: none). A question with one cell
// (1, 8, 20) keeps it in both places: option A clears it, option B sets it. Question 5 feeds
// no total: its two options describe no leaning that the six rows measure.
const int kCells[23][2] = {
    {0, 27},  {11, 4},  {26, 18}, {12, 5},  {0, 0},   {20, 13}, {19, 29}, {0, 32},  {35, 21}, {31, 33}, {7, 14}, {34, 36},
    {38, 22}, {8, 15},  {9, 16},  {37, 39}, {42, 40}, {23, 41}, {43, 46}, {0, 47},  {17, 10}, {24, 44}, {45, 25},
};

} // namespace

const QStringList &TallyTest::totalFields()
{
    static const QStringList names{QStringLiteral("Edit48"), QStringLiteral("Edit49"), QStringLiteral("Edit50"),
                                   QStringLiteral("Edit51"), QStringLiteral("Edit52"), QStringLiteral("Edit53")};
    return names;
}

TallyTest::TallyTest(PageId page, QString incompleteSuffix) : TQuestionnaire(page), m_suffix(std::move(incompleteSuffix))
{
    HasResultBox = false;
    FinishFillsQuestionList = true;
}

void TallyTest::answerChanged(int number)
{
    if (number < 1 || number > 23)
        return;
    const int *cells = kCells[number - 1];
    for (int option = 0; option < 2; ++option)
        if (cells[option])
            tallySheet().set(cells[option], 0);
    const int chosen = cells[question(number).AnswerIndex];
    if (chosen)
        tallySheet().set(chosen, 1);
}

QString TallyTest::incompleteMessage(const QString &unanswered) const
{
    return unanswered + m_suffix;
}

// Reads the tally sheet only, never the answers.
void TallyTest::writeResult(int, IQuestionnaireView &view)
{
    for (int row = 0; row < TTallySheet::kRows; ++row)
        view.setFieldText(totalFields().at(row), QString::number(tallySheet().total(row)));
}

QStringList TallyTest::fieldsClearedOnReset() const
{
    return totalFields();
}

} // namespace Quiz
