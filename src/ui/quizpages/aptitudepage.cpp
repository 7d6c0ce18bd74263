// The career aptitude test on TabSheet10: fifteen questions, eight word pairs, the six totals
// beside their legend, and the reference texts.
#include "ui/quizpages/questionnaires.h"

#include "book/quiz/variants.h"
#include "ui/questionnairepage.h"

#include <QPlainTextEdit>

using namespace PageGeometry;

namespace {
void layOutTotals(QuestionnairePage &p, const Quiz::QuizRecord &r);
} // namespace

void Questionnaires::layOutAptitude(QuestionnairePage &p, const Quiz::QuizRecord &r)
{
    const auto groupName = [&r](int number) { return r.groupNameOf(number); };
    p.questions(1, 15, r.prompt, groupName);
    p.textBox(QStringLiteral("Memo14"), r.text(QStringLiteral("memo14")), QuestionnaireFonts::heading());
    p.questionPairs({{16, 17}, {18, 19}, {20, 21}, {22, 23}}, groupName);
    p.gap(8);

    p.then([&p, &r] { layOutTotals(p, r); });
}

namespace {

// The six totals beside their legend, the button, the chart and the reference texts.
void layOutTotals(QuestionnairePage &p, const Quiz::QuizRecord &r)
{
    p.text(r.text(QStringLiteral("heading.points")), QuestionnaireFonts::heading());
    QPlainTextEdit *memo16 = p.textBox(QStringLiteral("Memo16"), r.text(QStringLiteral("memo16")),
                                             QuestionnaireFonts::heading(), 0, kColumnLeft, 70);
    p.fieldsOnLines(memo16, {0, 2, 4, 6, 8, 10}, Quiz::TallyTest::totalFields(), kColumnLeft + 70, 80, false);
    p.finishButton(QString::fromLatin1(r.button), r.text(QStringLiteral("button")));
    p.resultChart(r);

    // The reference texts, each under its heading where it has one.
    for (const char *memo : {"Memo18", "Memo19", "Memo20", "Memo21"}) {
        const QString key = QString::fromLatin1(memo).toLower();
        const QString heading = r.optionalText(QStringLiteral("heading.") + key);
        if (!heading.isEmpty())
            p.text(heading, QuestionnaireFonts::heading());
        p.textBox(QString::fromLatin1(memo), r.text(key), QuestionnaireFonts::intro());
    }
}

} // namespace
