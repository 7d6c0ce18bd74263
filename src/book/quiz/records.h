#pragma once

#include "book/layout/blocks.h"
#include "book/quiz/questionnaire.h"

#include <memory>

// Every questionnaire as one record: where it stands, where its texts are, how its controls are
// named, its key and bands, and how its page is laid out. The model is made from the record; one
// page builder lays every page out from it. Texts are entries of the record's data file:
//   intro, qN (prompt), qN.opts or options (labels, one a line), verdictN, score.label, line ...
namespace Quiz {

// How a question's prompt stands on the page: as the caption of its choice group, as a label
// above a captionless group, or at the left of the group's one row of options.
enum class PromptStyle { Caption, LabelAbove, Beside };

// What the record's model does instead of the common flow, where it departs from it.
enum class Variant {
    Banded,           // verdict of the score's band, score in the score field
    FixedLine,        // score in the score field, one fixed line in the result box
    CountLine,        // counts of the two answers in a count line; page entry leaves it alone
    LetterCounts,     // "是" answers counted per interest letter
    Tally,            // running tally sheet, six totals
    DrivingForce,     // paired score boxes; no choice questions
};

// A text at the head of the page: an entry of the data file in one of the page styles.
enum class HeadStyle { Intro, IntroBold, Heading };
struct HeadText {
    const char *key;
    HeadStyle style = HeadStyle::Intro;
};

struct QuizRecord {
    PageId page = kNoPage;
    const char *data = "";              // resource path of its text file
    Variant variant = Variant::Banded;
    int questionCount = 0;
    // Choice groups are named prefix + (number + offset), except where `groupName` says otherwise.
    const char *groupPrefix = "";
    int groupOffset = 0;
    QString (*groupName)(int number) = nullptr;
    PromptStyle prompt = PromptStyle::Caption;
    // Columns per question; one value serves every question.
    QVector<int> columns;
    // Points per option, per question; one row serves every question.
    QVector<QVector<int>> points;
    // Lower bounds of the bands after the first (the first is open downwards, the last upwards);
    // band i shows the entry verdict<i+1>.
    QVector<int> bandStarts;
    bool sharedOptions = false;         // one "options" entry for every question
    bool finishWalksQuestionList = false;
    // Question cards with narrow margins, set closer together: fifty short statements, the
    // score block and the chart fit above the page's foot.
    bool compactQuestions = false;

    QVector<HeadText> head;
    const char *button = "";
    const char *scoreField = "";        // empty: none
    bool scoreFieldReadOnly = false;
    const char *resultBox = "";         // empty: none
    int resultBoxHeight = 0;
    FontSpec resultFont;

    QString groupNameOf(int number) const;
    QString text(const QString &key) const;           // an entry the file must have
    QString optionalText(const QString &key) const;   // one it may lack
};

// The ten records, in page order.
const QVector<QuizRecord> &records();
// The record of a page; nullptr for pages without a questionnaire.
const QuizRecord *recordFor(PageId page);

// A fresh model of a record's questionnaire.
std::unique_ptr<IPageTest> makeTest(const QuizRecord &record);
// The choice-question model of the records that have one (all but the driving-force test).
std::unique_ptr<TQuestionnaire> makeQuestionnaire(const QuizRecord &record);

// A text every questionnaire shares ("完成", "测试结果：", ...).
QString commonText(const QString &key);

} // namespace Quiz
