// The career orientation test on TabSheet9: sixty statements beside their options, the six
// letter counts beside the legend, and the reference text down to the related links.
#include "ui/quizpages/questionnaires.h"

#include "book/quiz/variants.h"
#include "ui/questionnairepage.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include "ui/widgets/resultchart.h"

using namespace PageGeometry;

namespace {
void layOutCounts(QuestionnairePage &p, const Quiz::QuizRecord &r);
} // namespace

void Questionnaires::layOutOrientation(QuestionnairePage &p, const Quiz::QuizRecord &r)
{
    p.questions(1, r.questionCount, r.prompt, [&r](int number) { return r.groupNameOf(number); });
    p.then([&p, &r] { layOutCounts(p, r); });
}

namespace {

// The finish button, the letter counts beside their legend, the chart and the reference text.
void layOutCounts(QuestionnairePage &p, const Quiz::QuizRecord &r)
{
    p.gap(6);
    p.finishButton(QString::fromLatin1(r.button));

    QPlainTextEdit *memo10 = p.textBox(QStringLiteral("Memo10"), r.text(QStringLiteral("legend")),
                                             QuestionnaireFonts::heading(), 0, kColumnLeft, 170);
    QStringList fields;
    for (const char *l = Quiz::LetterCountTest::kLetters; *l; ++l)
        fields << Quiz::LetterCountTest::field(*l);
    p.fieldsOnLines(memo10, {2, 4, 6, 8, 10, 12}, fields, kColumnLeft + 170, 80, false);
    p.text(r.text(QStringLiteral("heading.code")), QuestionnaireFonts::heading());
    ResultChart *chart = p.resultChart(r);
    p.gap(6);
    p.text(r.text(QStringLiteral("heading.reference")), QuestionnaireFonts::heading(), Qt::AlignHCenter);
    QPlainTextEdit *memo11 = p.textBox(QStringLiteral("Memo11"), r.text(QStringLiteral("reference")),
                                       QuestionnaireFonts::intro(), qMax(240, questionnaireBottom(r.page) - p.y() - 10));
    // A letter of the chart opens its type's section of the reference text.
    QObject::connect(chart, &ResultChart::letterClicked, memo11, [memo11](const QString &letter) {
        QTextCursor found = memo11->document()->find(QStringLiteral("（%1）").arg(letter));
        if (found.isNull())
            return;
        memo11->moveCursor(QTextCursor::End);
        memo11->setTextCursor(found);
        memo11->ensureCursorVisible();
    });
}

} // namespace
