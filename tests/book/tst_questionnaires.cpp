// Scoring, messages and resets of the choice-question tests, on their models alone.
#include "book/quiz/records.h"
#include "book/texts.h"
#include "recordingview.h"

#include <QTest>

#include <functional>
#include <map>

namespace {

const std::map<QString, PageId> kPages{{"eq", 1},         {"phil", 2},       {"character", 3}, {"interpersonal", 4},
                                       {"stressquiz", 5}, {"stresstest", 6}, {"pstri", 7},
                                       {"orientation", 9}};

std::unique_ptr<TQuestionnaire> make(const QString &name)
{
    return Quiz::makeQuestionnaire(*Quiz::recordFor(kPages.at(name)));
}

// The verdict a band should show, read from the questionnaire's text file, not from the model.
QString verdictOfBand(const QString &name, int band)
{
    return TextData::text(QString::fromLatin1(Quiz::recordFor(kPages.at(name))->data),
                          QStringLiteral("verdict%1").arg(band + 1));
}

// Answers given as one option per question; -1 leaves a question open.
void answer(TQuestionnaire &q, const QVector<int> &options)
{
    for (int k = 1; k <= options.size(); ++k)
        if (options[k - 1] >= 0)
            q.select(k, options[k - 1]);
}

QVector<int> same(int count, int option)
{
    return QVector<int>(count, option);
}

QVector<int> concat(std::initializer_list<QVector<int>> parts)
{
    QVector<int> all;
    for (const auto &p : parts)
        all += p;
    return all;
}

// A fresh questionnaire with every question answered by its second option, finished once.
void scoreOnce(TQuestionnaire &q, RecordingView &view)
{
    q.Reset(view);
    answer(q, same(q.Questions.size(), 1));
    q.Finish(view);
}

// PSTRI answers that score exactly `score` (50..200): raise items from "很少" one step at a time.
QVector<int> pstriScoring(int score)
{
    QVector<int> options(50, 3);
    int extra = score - 50;
    for (int i = 0; i < 50 && extra > 0; ++i) {
        const int raise = qMin(3, extra);
        options[i] = 3 - raise;
        extra -= raise;
    }
    return options;
}

QString u(const char *s)
{
    return QString::fromUtf8(s);
}

} // namespace

class TestQuestionnaires : public QObject {
    Q_OBJECT
private slots:
    // Content and key cannot drift apart: every question has its prompt, its options and a point
    // for each option.
    void everyQuestionHasPromptOptionsAndPoints_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("count");
        const std::pair<const char *, int> units[] = {{"eq", 33}, {"phil", 10}, {"character", 15}, {"interpersonal", 15},
                                                      {"stressquiz", 10}, {"stresstest", 20}, {"pstri", 50},
                                                      {"orientation", 60}};
        for (const auto &[name, count] : units)
            QTest::newRow(name) << QString::fromLatin1(name) << count;
    }
    void everyQuestionHasPromptOptionsAndPoints()
    {
        QFETCH(QString, unit);
        QFETCH(int, count);
        auto q = make(unit);
        QCOMPARE(q->Questions.size(), count);
        QSet<QString> prompts;
        for (int k = 1; k <= count; ++k) {
            const TChoiceQuestion &question = q->question(k);
            QCOMPARE(question.Number, k);
            QVERIFY2(!question.prompt.trimmed().isEmpty(), qPrintable(QStringLiteral("question %1 has no prompt").arg(k)));
            QVERIFY2(!question.prompt.front().isDigit(), "the number is added by the page, not the text");
            QVERIFY(question.options.size() >= 2 && question.options.size() <= 7);
            QCOMPARE(question.Points.size(), question.options.size());
            for (const QString &option : question.options)
                QVERIFY(!option.trimmed().isEmpty());
            prompts.insert(question.prompt);
        }
        QCOMPARE(prompts.size(), count);
    }

    void optionLabelsFromTheTextsFollowTheirLetters_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QVector<int>>("optionCounts");
        QTest::newRow("phil") << "phil" << QVector<int>{3, 5, 5, 4, 4, 3, 3, 7, 5, 6};
        QTest::newRow("interpersonal") << "interpersonal" << same(15, 3);
    }
    void optionLabelsFromTheTextsFollowTheirLetters()
    {
        QFETCH(QString, unit);
        QFETCH(QVector<int>, optionCounts);
        auto q = make(unit);
        for (int k = 1; k <= optionCounts.size(); ++k) {
            QCOMPARE(q->question(k).options.size(), optionCounts[k - 1]);
            for (int i = 0; i < optionCounts[k - 1]; ++i)
                QVERIFY(q->question(k).options[i].startsWith(QString(QChar('A' + i)) + u("、")));
        }
    }

    void scores_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QVector<int>>("answers");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("band");          // -1: no band (fixed line)
        QTest::addColumn<QString>("line");      // exact result line, where the test quotes it

        QTest::newRow("eq second options") << "eq" << concat({same(25, 1), same(4, 1), same(4, 2)}) << "ed_df2" << u("71 分") << 0 << QString();
        QTest::newRow("eq first options") << "eq" << same(33, 0) << "ed_df2" << u("158 分") << 3
                                          << u("你就是个EQ高手，你的情绪智慧将是你事业有成的一个重要前提条件。");
        QTest::newRow("eq highest") << "eq" << concat({same(29, 0), same(4, 4)}) << "ed_df2" << u("174 分") << 3 << QString();
        QTest::newRow("eq lowest") << "eq" << concat({same(25, 2), same(4, 1), same(4, 0)}) << "ed_df2" << u("4 分") << 0 << QString();
        const QString philVerdicts[] = {u("内向的悲观者。大多数公司不喜欢这类性格。"),
                                        u("缺乏信心的挑剔者。适合编辑、会计等数字和稽核工作。"),
                                        u("\t以牙还牙的自我保护者。有最广泛的适应性。"),
                                        u("平衡的中道者。适合人力资源工作。"),
                                        u("吸引人的冒险家。适合市场开发与销售工作，适合独当一面。"),
                                        u("\t傲慢的孤独者。通常很有才华，但与人沟通功夫欠佳，可做研发指导工作。")};
        // Scores on either side of each bound, answers worked out by hand from the key.
        const struct { const char *unit; const char *field; int score; int band; QVector<int> answers; } bounds[] = {
            {"eq", "ed_df2", 89, 0, {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,2,2,2,2,2,2,2,2,2,2,1,1,1,1,1,0,0,0}},
            {"eq", "ed_df2", 90, 1, {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,2,2,2,2,2,2,2,2,2,1,1,1,1,0,0,0,0}},
            {"eq", "ed_df2", 129, 1, {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,2,2,1,1,1,1,1,0,0,0}},
            {"eq", "ed_df2", 130, 2, {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,2,1,1,1,1,0,0,0,0}},
            {"eq", "ed_df2", 149, 2, {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1,1,0,0,0}},
            {"eq", "ed_df2", 150, 3, {0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1,2,0,0,0}},
            {"phil", "ed_df1", 20, 0, {2,3,1,3,3,2,1,6,4,5}}, {"phil", "ed_df1", 21, 1, {2,3,1,2,3,2,1,6,4,5}},
            {"phil", "ed_df1", 30, 1, {2,2,3,3,3,2,1,6,4,5}}, {"phil", "ed_df1", 31, 2, {2,2,3,2,3,2,1,6,4,5}},
            {"phil", "ed_df1", 40, 2, {2,2,3,1,0,2,1,5,4,5}}, {"phil", "ed_df1", 41, 3, {2,2,3,1,0,1,1,6,4,5}},
            {"phil", "ed_df1", 50, 3, {2,2,3,1,0,0,0,3,4,5}}, {"phil", "ed_df1", 51, 4, {2,2,3,1,0,0,0,2,4,5}},
            {"phil", "ed_df1", 60, 4, {2,2,3,1,0,0,0,1,0,1}}, {"phil", "ed_df1", 61, 5, {2,2,3,1,0,0,0,1,0,2}},
            {"character", "ed_df3", 39, 0, {2,2,0,0,0,0,0,0,0,0,0,0,0,0,0}},
            {"character", "ed_df3", 40, 1, {2,2,1,0,0,0,0,0,0,0,0,0,0,0,0}},
            {"character", "ed_df3", 69, 1, {4,5,2,1,0,0,1,0,0,0,0,0,0,0,0}},
            {"character", "ed_df3", 70, 2, {4,5,2,2,0,0,0,0,0,0,0,0,0,0,0}},
            {"character", "ed_df3", 99, 2, {4,5,4,5,0,1,1,0,0,0,0,0,0,0,0}},
            {"character", "ed_df3", 100, 3, {4,5,4,5,1,0,0,0,0,0,0,0,0,0,0}},
            {"character", "ed_df3", 139, 3, {4,5,4,5,2,3,4,4,0,0,0,0,0,0,0}},
            {"character", "ed_df3", 140, 4, {4,5,4,5,2,3,4,4,1,0,0,0,0,0,0}},
            {"character", "ed_df3", 179, 4, {4,5,4,5,2,3,4,4,4,5,5,1,0,0,0}},
            {"character", "ed_df3", 180, 5, {4,5,4,5,2,3,4,4,4,5,5,1,1,0,0}},
        };
        for (const auto &b : bounds)
            QTest::addRow("%s %d", b.unit, b.score) << b.unit << b.answers << b.field << u("%1 分").arg(b.score) << b.band
                                                    << (QByteArray(b.unit) == "phil" ? philVerdicts[b.band] : QString());

        QTest::newRow("phil all A") << "phil" << same(10, 0) << "ed_df1" << u("51 分") << 4
                                    << u("吸引人的冒险家。适合市场开发与销售工作，适合独当一面。");
        QTest::newRow("phil lowest") << "phil" << QVector<int>{0, 4, 1, 3, 3, 2, 1, 6, 4, 5} << "ed_df1" << u("15 分") << 0
                                     << u("内向的悲观者。大多数公司不喜欢这类性格。");
        QTest::newRow("phil highest") << "phil" << QVector<int>{2, 2, 3, 1, 0, 0, 0, 1, 0, 4} << "ed_df1" << u("64 分") << 5
                                      << u("\t傲慢的孤独者。通常很有才华，但与人沟通功夫欠佳，可做研发指导工作。");

        QTest::newRow("character all A") << "character" << same(15, 0) << "ed_df3" << u("33 分") << 0 << QString();
        QTest::newRow("character all B") << "character" << same(15, 1) << "ed_df3" << u("53 分") << 1 << QString();
        QTest::newRow("character last options") << "character" << QVector<int>{4, 5, 4, 5, 2, 3, 4, 4, 4, 5, 5, 4, 4, 4, 5}
                                                << "ed_df3" << u("230 分") << 5 << QString();

        const QString fixed = u("分值越高，说明您的人际交往能力越强。");
        QTest::newRow("interpersonal all A") << "interpersonal" << same(15, 0) << "ed_df4" << u("45 分") << -1 << fixed;
        QTest::newRow("interpersonal all B") << "interpersonal" << same(15, 1) << "ed_df4" << u("45 分") << -1 << fixed;
        QTest::newRow("interpersonal all C") << "interpersonal" << same(15, 2) << "ed_df4" << u("45 分") << -1 << fixed;
        QTest::newRow("interpersonal lowest") << "interpersonal" << concat({same(5, 0), same(5, 2), same(5, 1)}) << "ed_df4" << u("15 分") << -1 << fixed;
        QTest::newRow("interpersonal highest") << "interpersonal" << concat({same(5, 2), same(5, 1), same(5, 0)}) << "ed_df4" << u("75 分") << -1 << fixed;

        const QString answerLine = u("应该全选\"否\"，你选的\"是\"越多，说明你对压力的了解越少。");
        QTest::newRow("quiz all no") << "stressquiz" << same(10, 1) << "Label567" << u("您选了10个否-------0个是 ") << -1 << answerLine;
        QTest::newRow("quiz all yes") << "stressquiz" << same(10, 0) << "Label567" << u("您选了0个否-------10个是 ") << -1 << answerLine;
        QTest::newRow("quiz seven no") << "stressquiz" << QVector<int>{1, 0, 1, 1, 0, 1, 1, 0, 1, 1} << "Label567" << u("您选了7个否-------3个是 ") << -1 << answerLine;

        const QString normal = u("你的压力正常；"), high = u("你的压力有些高，请及时进行调节；"),
                      danger = u("高压危险！你的身心正在遭受到严重伤害，必要的话该寻求专业咨询机构的协助。");
        for (int yes : {0, 5, 6, 14, 15, 20}) {
            QVector<int> a = same(20, 1);
            for (int i = 0; i < yes; ++i)
                a[(i * 7) % 20] = 0;
            QTest::addRow("stress test %d yes", yes) << "stresstest" << a << "ed_df5" << u("%1 分").arg(yes)
                                                     << (yes <= 5 ? 0 : yes <= 14 ? 1 : 2)
                                                     << (yes <= 5 ? normal : yes <= 14 ? high : danger);
        }

        const int pstri[][2] = {{50, 0}, {59, 0}, {60, 1}, {70, 1}, {71, 2}, {81, 2}, {82, 3}, {92, 3}, {93, 4}, {200, 4}};
        for (const auto &[score, band] : pstri)
            QTest::addRow("pstri %d", score) << "pstri" << pstriScoring(score) << "ed_df6" << u("%1 分").arg(score) << band << QString();
    }
    void scores()
    {
        QFETCH(QString, unit);
        QFETCH(QVector<int>, answers);
        QFETCH(QString, field);
        QFETCH(QString, shown);
        QFETCH(int, band);
        QFETCH(QString, line);
        auto q = make(unit);
        RecordingView view;
        q->Reset(view);
        answer(*q, answers);
        for (int pass = 0; pass < 2; ++pass) {     // pressing Finish twice changes nothing
            q->Finish(view);
            QVERIFY(view.notices.isEmpty());
            QCOMPARE(view.fields.value(field), shown);
            QCOMPARE(view.resultLines.size(), 1);
            if (!line.isEmpty())
                QCOMPARE(view.resultLines.first(), line);
            if (band >= 0) {
                const QString verdict = verdictOfBand(unit, band);
                QVERIFY(!verdict.trimmed().isEmpty());
                QCOMPARE(view.resultLines.first(), verdict);
                QCOMPARE(frameworkState().VerdictText, verdict);
            }
        }
    }

    // Every reachable score has exactly one verdict, and the bounds sit where the tests put them.
    void bandsCoverEveryScoreOnce_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QVector<int>>("firstScoreOfBand");
        QTest::newRow("eq") << "eq" << QVector<int>{4, 90, 130, 150};
        QTest::newRow("phil") << "phil" << QVector<int>{15, 21, 31, 41, 51, 61};
        QTest::newRow("character") << "character" << QVector<int>{33, 40, 70, 100, 140, 180};
        QTest::newRow("stresstest") << "stresstest" << QVector<int>{0, 6, 15};
        QTest::newRow("pstri") << "pstri" << QVector<int>{50, 60, 71, 82, 93};
    }
    void bandsCoverEveryScoreOnce()
    {
        QFETCH(QString, unit);
        QFETCH(QVector<int>, firstScoreOfBand);
        auto q = make(unit);
        QCOMPARE(q->Bands.size(), firstScoreOfBand.size());
        int lowest = 0, highest = 0;
        for (const TChoiceQuestion &question : q->Questions) {
            lowest += *std::min_element(question.Points.begin(), question.Points.end());
            highest += *std::max_element(question.Points.begin(), question.Points.end());
        }
        QCOMPARE(lowest, firstScoreOfBand.first());
        for (int score = lowest - 5; score <= highest + 5; ++score) {
            int matches = 0, index = -1;
            for (int b = 0; b < q->Bands.size(); ++b)
                if (q->Bands[b].Low <= score && score <= q->Bands[b].High) {
                    ++matches;
                    index = b;
                }
            QCOMPARE(matches, 1);
            const int expected = int(std::upper_bound(firstScoreOfBand.begin() + 1, firstScoreOfBand.end(), score) -
                                     firstScoreOfBand.begin()) - 1;
            QCOMPARE(index, qMax(0, expected));
        }
    }

    void incompleteMessages_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QVector<int>>("open");
        QTest::addColumn<QString>("message");
        QTest::newRow("eq 3 5 12") << "eq" << QVector<int>{3, 5, 12} << u("3,5,12,题未被选中！");
        QTest::newRow("eq last") << "eq" << QVector<int>{33} << u("33,题未被选中！");
        QTest::newRow("quiz 9") << "stressquiz" << QVector<int>{9} << u("9,题未被选中！");
        QTest::newRow("stress 15") << "stresstest" << QVector<int>{15} << u("15,题未被选中！");
        QTest::newRow("pstri 3 17") << "pstri" << QVector<int>{3, 17} << u("3,17,题未被选中！");
        QTest::newRow("interpersonal 1 15") << "interpersonal" << QVector<int>{1, 15} << u("1,15,题未被选中！");
        QTest::newRow("quiz none") << "stressquiz" << QVector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                                   << u("1,2,3,4,5,6,7,8,9,10,题未被选中！");
        QVector<int> all50;
        QString list;
        for (int k = 1; k <= 50; ++k) {
            all50 << k;
            list += QString::number(k) + ',';
        }
        QTest::newRow("pstri none") << "pstri" << all50 << list + u("题未被选中！");
    }
    void incompleteMessages()
    {
        QFETCH(QString, unit);
        QFETCH(QVector<int>, open);
        QFETCH(QString, message);
        auto q = make(unit);
        RecordingView view;
        // A successful Finish first: its score must survive the incomplete one, its result line not.
        scoreOnce(*q, view);
        const auto fieldsBefore = view.fields;
        QCOMPARE(view.resultLines.size(), 1);
        q->Reset(view);
        view.fields = fieldsBefore;
        QVector<int> answers = same(q->Questions.size(), 0);
        for (int k : open)
            answers[k - 1] = -1;
        answer(*q, answers);
        q->Finish(view);
        QCOMPARE(view.notices, QStringList{message});
        QVERIFY(view.resultLines.isEmpty());
        QCOMPARE(view.fields, fieldsBefore);
    }

    void resetClearsAnswersAndResults_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QStringList>("cleared");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("eq") << "eq" << QStringList{"ed_df2"} << QStringList();
        QTest::newRow("interpersonal") << "interpersonal" << QStringList{"ed_df4"} << QStringList();
        QTest::newRow("stressquiz") << "stressquiz" << QStringList() << QStringList{"Label567"};
        QTest::newRow("pstri") << "pstri" << QStringList{"ed_df6"} << QStringList();
    }
    void resetClearsAnswersAndResults()
    {
        QFETCH(QString, unit);
        QFETCH(QStringList, cleared);
        QFETCH(QStringList, kept);
        auto q = make(unit);
        RecordingView view;
        scoreOnce(*q, view);
        const auto scored = view.fields;
        view.shownAnswers.clear();
        q->Reset(view);
        for (int k = 1; k <= q->Questions.size(); ++k) {
            QCOMPARE(q->question(k).AnswerIndex, -1);
            QCOMPARE(view.shownAnswers.value(k, 99), -1);
            QCOMPARE(frameworkState().QuestionList[size_t(k)], &q->question(k));
        }
        QVERIFY(view.resultLines.isEmpty());
        for (const QString &f : cleared)
            QCOMPARE(view.fields.value(f), QString());
        for (const QString &f : kept)
            QCOMPARE(view.fields.value(f), scored.value(f));
        // Nothing is scored again until every question is answered anew.
        q->Finish(view);
        QCOMPARE(view.notices.size(), 1);
    }

    void changedAnswersReplaceTheResult()
    {
        auto q = make("stresstest");
        RecordingView view;
        q->Reset(view);
        answer(*q, same(20, 1));
        q->Finish(view);
        QCOMPARE(view.fields.value("ed_df5"), u("0 分"));
        answer(*q, same(20, 0));
        QCOMPARE(view.fields.value("ed_df5"), u("0 分"));   // shown results wait for Finish
        q->Finish(view);
        QCOMPARE(view.fields.value("ed_df5"), u("20 分"));
        QCOMPARE(view.resultLines.size(), 1);
    }

    void selectionsOutsideTheOptionsAreIgnored()
    {
        auto q = make("eq");
        q->select(1, 5);
        q->select(1, -1);
        q->select(0, 1);
        q->select(34, 1);
        QCOMPARE(q->question(1).AnswerIndex, -1);
        q->select(1, 2);
        q->select(1, -1);           // the reader can move an answer, never clear it
        QCOMPARE(q->question(1).AnswerIndex, 2);
    }
};

QTEST_GUILESS_MAIN(TestQuestionnaires)
#include "tst_questionnaires.moc"
