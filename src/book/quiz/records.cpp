#include "book/quiz/records.h"

#include "book/quiz/drivingforce.h"
#include "book/quiz/tallysheet.h"
#include "book/quiz/variants.h"
#include "book/texts.h"

namespace Quiz {

namespace {

using H = HeadStyle;
using V = Variant;

FontSpec resultFont(int pixelSize = 15)
{
    return {kFaceSans, pixelSize, false, false, {}};
}

// Questions 1..9 of the aptitude test are RadioGroup121..129, 10..23 RadioGroup131..144: no
// group bears 130.
QString aptitudeGroup(int number)
{
    return QStringLiteral("RadioGroup%1").arg(number <= 9 ? 120 + number : 121 + number);
}

QVector<QuizRecord> makeRecords()
{
    QVector<QuizRecord> r;
    {
        QuizRecord q;
        q.page = 1, q.data = ":/data/eq.txt", q.questionCount = 33, q.groupPrefix = "rdgp1_";
        // Questions 1..29 in three columns, the frequency scale 30..33 in five.
        for (int k = 1; k <= 33; ++k) {
            q.columns << (k <= 29 ? 3 : 5);
            q.points << (k <= 9 ? QVector<int>{6, 3, 0} : k <= 25 ? QVector<int>{5, 2, 0}
                                                        : k <= 29 ? QVector<int>{5, 0} : QVector<int>{1, 2, 3, 4, 5});
        }
        q.bandStarts = {90, 130, 150};
        q.head = {{"intro"}};
        q.button = "Button1_1", q.scoreField = "ed_df2", q.resultBox = "Memo1_1", q.resultBoxHeight = 96;
        q.resultFont = resultFont(17);
        r << q;
    }
    {
        QuizRecord q;
        q.page = 2, q.data = ":/data/phil.txt", q.questionCount = 10, q.groupPrefix = "rdgp2_";
        q.columns = {3, 2, 1, 2, 2, 1, 1, 2, 2, 2};
        q.points = {{2, 4, 6},       {6, 4, 7, 2, 1}, {4, 2, 5, 7, 6},       {4, 6, 2, 1},    {6, 4, 3, 2},
                    {6, 4, 2},       {6, 2, 4},       {6, 7, 5, 4, 3, 2, 1}, {7, 6, 4, 2, 1}, {4, 2, 3, 5, 6, 1}};
        q.bandStarts = {21, 31, 41, 51, 61};
        q.head = {{"intro"}};
        q.button = "Button1", q.scoreField = "ed_df1", q.resultBox = "Memo2_1", q.resultBoxHeight = 64;
        q.resultFont = resultFont();
        r << q;
    }
    {
        QuizRecord q;
        q.page = 3, q.data = ":/data/character.txt", q.questionCount = 15, q.groupPrefix = "rdgp3_";
        q.columns = {2};
        q.points = {{2, 3, 5, 10, 15},    {2, 3, 5, 10, 15, 20}, {2, 3, 5, 10, 15}, {2, 3, 5, 10, 15, 20},
                    {5, 10, 15},          {2, 5, 10, 15},        {2, 3, 5, 10, 15}, {2, 2, 3, 5, 10},
                    {2, 3, 5, 10, 15},    {2, 3, 5, 8, 10, 15},  {2, 3, 5, 8, 10, 15}, {2, 3, 5, 10, 15},
                    {2, 3, 5, 10, 15},    {2, 3, 5, 10, 15},     {2, 3, 5, 8, 10, 15}};
        q.bandStarts = {40, 70, 100, 140, 180};
        q.head = {{"heading.explain", H::Heading}, {"intro"}, {"heading.start", H::Heading}};
        q.button = "Button3_1", q.scoreField = "ed_df3", q.resultBox = "Memo3_1", q.resultBoxHeight = 112;
        q.resultFont = resultFont();
        r << q;
    }
    {
        QuizRecord q;
        q.page = 4, q.data = ":/data/interpersonal.txt", q.variant = V::FixedLine, q.questionCount = 15;
        q.groupPrefix = "rdgp4_";
        q.columns = {1};
        // Questions 1-5, 6-10 and 11-15 each rotate the three values.
        for (int k = 1; k <= 15; ++k)
            q.points << (k <= 5 ? QVector<int>{1, 3, 5} : k <= 10 ? QVector<int>{3, 5, 1} : QVector<int>{5, 1, 3});
        q.head = {{"intro"}};
        q.button = "Button4_1", q.scoreField = "ed_df4", q.scoreFieldReadOnly = true, q.resultBox = "Memo1";
        q.resultBoxHeight = 40, q.resultFont = resultFont();
        r << q;
    }
    {
        QuizRecord q;
        q.page = 5, q.data = ":/data/stressquiz.txt", q.variant = V::CountLine, q.questionCount = 10;
        q.groupPrefix = "rdg5_", q.prompt = PromptStyle::LabelAbove, q.sharedOptions = true;
        q.columns = {2};
        q.points = {{0, 1}};      // every statement is false: "否" counts
        q.head = {{"intro"}};
        q.button = "Button5_1", q.resultBox = "Memo15", q.resultBoxHeight = 60, q.resultFont = resultFont();
        r << q;
    }
    {
        QuizRecord q;
        q.page = 6, q.data = ":/data/stresstest.txt", q.questionCount = 20, q.groupPrefix = "rdgp6_";
        q.prompt = PromptStyle::LabelAbove, q.sharedOptions = true;
        q.columns = {2};
        q.points = {{1, 0}};
        q.bandStarts = {6, 15};
        q.head = {{"intro"}};
        q.button = "Button2", q.scoreField = "ed_df5", q.resultBox = "Memo6_1", q.resultBoxHeight = 60;
        q.resultFont = resultFont();
        r << q;
    }
    {
        QuizRecord q;
        q.page = 7, q.data = ":/data/pstri.txt", q.questionCount = 50, q.groupPrefix = "RadioGroup";
        q.groupOffset = 10, q.sharedOptions = true;
        q.columns = {4};
        q.points = {{4, 3, 2, 1}};
        q.bandStarts = {60, 71, 82, 93};
        q.finishWalksQuestionList = true;
        q.compactQuestions = true;
        q.head = {{"intro", H::IntroBold}};
        q.button = "Button7_1", q.scoreField = "ed_df6", q.resultBox = "Memo7_1", q.resultBoxHeight = 96;
        q.resultFont = resultFont();
        r << q;
    }
    {
        QuizRecord q;
        q.page = 8, q.data = ":/data/drivers.txt", q.variant = V::DrivingForce;
        q.head = {{"intro", H::IntroBold}};
        q.button = "Button3";
        r << q;
    }
    {
        QuizRecord q;
        q.page = 9, q.data = ":/data/orientation.txt", q.variant = V::LetterCounts, q.questionCount = 60;
        q.groupPrefix = "RadioGroup", q.groupOffset = 60, q.prompt = PromptStyle::Beside, q.sharedOptions = true;
        q.columns = {2};
        q.points = {{0, 0}};
        q.head = {{"intro"}};
        q.button = "Button9_1";
        r << q;
    }
    {
        QuizRecord q;
        q.page = 10, q.data = ":/data/aptitude.txt", q.variant = V::Tally, q.questionCount = 23;
        q.groupName = &aptitudeGroup;
        for (int k = 1; k <= 23; ++k)
            q.columns << (k == 11 ? 1 : 2);
        q.points = {{0, 0}};
        q.head = {{"heading.part1", H::Heading}, {"intro"}, {"note"}};
        q.button = "Button4";
        r << q;
    }
    return r;
}

} // namespace

QString QuizRecord::groupNameOf(int number) const
{
    return groupName ? groupName(number) : QString::fromLatin1(groupPrefix) + QString::number(number + groupOffset);
}

QString QuizRecord::text(const QString &key) const
{
    return TextData::text(QString::fromLatin1(data), key);
}

QString QuizRecord::optionalText(const QString &key) const
{
    return TextData::optional(QString::fromLatin1(data), key);
}

const QVector<QuizRecord> &records()
{
    static const QVector<QuizRecord> all = makeRecords();
    return all;
}

const QuizRecord *recordFor(PageId page)
{
    for (const QuizRecord &r : records())
        if (r.page == page)
            return &r;
    return nullptr;
}

QString commonText(const QString &key)
{
    return TextData::text(QStringLiteral(":/data/common.txt"), key);
}

std::unique_ptr<TQuestionnaire> makeQuestionnaire(const QuizRecord &record)
{
    std::unique_ptr<TQuestionnaire> model;
    switch (record.variant) {
    case Variant::Banded:
        model = std::make_unique<TQuestionnaire>(record.page);
        break;
    case Variant::FixedLine:
        model = std::make_unique<FixedLineTest>(record.page, record.text(QStringLiteral("line")));
        break;
    case Variant::CountLine:
        model = std::make_unique<CountLineTest>(record.page, record.text(QStringLiteral("count.line")), record.text(QStringLiteral("line")));
        break;
    case Variant::LetterCounts:
        model = std::make_unique<LetterCountTest>(record.page, record.text(QStringLiteral("incomplete")));
        break;
    case Variant::Tally:
        model = std::make_unique<TallyTest>(record.page, record.text(QStringLiteral("incomplete")));
        break;
    case Variant::DrivingForce:
        return nullptr;
    }
    const QString shared = record.sharedOptions ? record.text(QStringLiteral("options")) : QString();
    for (int k = 1; k <= record.questionCount; ++k) {
        TChoiceQuestion q;
        q.Number = k;
        q.prompt = record.optionalText(QStringLiteral("q%1").arg(k));   // word pairs have none
        q.options = TextData::lines(record.sharedOptions ? shared
                                                         : record.text(QStringLiteral("q%1.opts").arg(k)));
        q.columns = record.columns.value(record.columns.size() == 1 ? 0 : k - 1, 1);
        q.Points = record.points.value(record.points.size() == 1 ? 0 : k - 1);
        model->Questions.append(q);
    }
    for (int i = 0; i <= record.bandStarts.size() && !record.bandStarts.isEmpty(); ++i) {
        const int low = i == 0 ? INT_MIN : record.bandStarts[i - 1];
        const int high = i == record.bandStarts.size() ? INT_MAX : record.bandStarts[i] - 1;
        model->Bands.append({low, high, record.text(QStringLiteral("verdict%1").arg(i + 1))});
    }
    model->ScoreField = QString::fromLatin1(record.scoreField);
    model->HasResultBox = *record.resultBox != '\0';
    model->FinishFillsQuestionList = record.finishWalksQuestionList;
    return model;
}

std::unique_ptr<IPageTest> makeTest(const QuizRecord &record)
{
    if (record.variant == Variant::DrivingForce)
        return std::make_unique<DrivingForceTest>(record.text(QStringLiteral("incomplete")));
    return makeQuestionnaire(record);
}

} // namespace Quiz
