#include "ui/quizpages/questionnaires.h"

#include "book/quiz/records.h"
#include "book/quiz/variants.h"
#include "ui/questionnairepage.h"

using Quiz::QuizRecord;
using Quiz::Variant;

namespace {

FontSpec headFont(Quiz::HeadStyle style)
{
    switch (style) {
    case Quiz::HeadStyle::IntroBold:
        return QuestionnaireFonts::introBold();
    case Quiz::HeadStyle::Heading:
        return QuestionnaireFonts::heading();
    case Quiz::HeadStyle::Intro:
        break;
    }
    return QuestionnaireFonts::intro();
}

QString orCommon(const QuizRecord &record, const char *key)
{
    const QString own = record.optionalText(QString::fromLatin1(key));
    return own.isEmpty() ? Quiz::commonText(QString::fromLatin1(key)) : own;
}

void layOutQuestionsAndFoot(QuestionnairePage &p, const QuizRecord &r)
{
    if (r.compactQuestions)
        p.compactQuestions();
    p.questions(1, r.questionCount, r.prompt, [&r](int number) { return r.groupNameOf(number); });
    if (r.variant == Variant::CountLine) {
        p.gap(6);
        p.finishButton(QString::fromLatin1(r.button), Quiz::commonText(QStringLiteral("finish")));
        p.countLine(r.text(QStringLiteral("count.label")), QStringLiteral("Label5_1"),
                    QString::fromLatin1(Quiz::CountLineTest::kCountField));
        p.resultBox(QString::fromLatin1(r.resultBox), r.resultBoxHeight, r.resultFont);
        p.resultChart(r);
        return;
    }
    p.scoreBlock(QString::fromLatin1(r.button), orCommon(r, "score.label"), QString::fromLatin1(r.scoreField),
                 r.scoreFieldReadOnly, QString::fromLatin1(r.resultBox), r.resultBoxHeight, r.resultFont);
    p.resultChart(r);
}

} // namespace

QuestionnairePage *Questionnaires::build(PageId page, QWidget *widget, DeferredBuild &rest, int fold)
{
    const QuizRecord *record = Quiz::recordFor(page);
    if (!record)
        return nullptr;
    auto *p = new QuestionnairePage(widget, Quiz::makeTest(*record), PageGeometry::questionnaireTop(page));
    p->deferBelow(fold, rest);
    for (const Quiz::HeadText &head : record->head)
        p->text(record->text(QString::fromLatin1(head.key)), headFont(head.style));
    switch (record->variant) {
    case Variant::DrivingForce:
        layOutDrivingForce(*p, *record);
        break;
    case Variant::LetterCounts:
        layOutOrientation(*p, *record);
        break;
    case Variant::Tally:
        layOutAptitude(*p, *record);
        break;
    default:
        layOutQuestionsAndFoot(*p, *record);
        break;
    }
    return p;
}
