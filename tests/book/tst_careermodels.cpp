// The three career tests on their models alone: coupled score boxes, letter counts and the
// aptitude tally.
#include "book/quiz/drivingforce.h"
#include "book/quiz/records.h"
#include "book/quiz/tallysheet.h"
#include "recordingview.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

namespace {

std::unique_ptr<DrivingForceTest> drivingForce()
{
    return std::unique_ptr<DrivingForceTest>(static_cast<DrivingForceTest *>(Quiz::makeTest(*Quiz::recordFor(8)).release()));
}

QString u(const char *s)
{
    return QString::fromUtf8(s);
}

// Driver totals as the page shows them, A to I.
QStringList totals(const RecordingView &view)
{
    QStringList out;
    for (char d = 'a'; d <= 'i'; ++d)
        out << view.fields.value(QStringLiteral("Edit_") + QChar(d));
    return out;
}

QStringList withUnit(std::initializer_list<int> values)
{
    QStringList out;
    for (int v : values)
        out << QString::number(v) + u(" 分");
    return out;
}

// Rows of the aptitude totals, in the order of the total fields Edit48..Edit53.
enum Row { Out, In, Perceive, Intuit, Think, Feel, None };
// Which total each option of questions 1..23 adds one to.
const Row kAptitudeKey[23][2] = {
    {None, Think},       {In, Out},        {Intuit, Perceive}, {In, Out},       {None, None},     {Perceive, In},
    {Perceive, Intuit},  {None, Intuit},   {Intuit, Perceive}, {Feel, Think},   {Out, In},        {Feel, Think},
    {Intuit, Perceive},  {Out, In},        {Out, In},          {Feel, Think},   {Think, Feel},    {Perceive, Intuit},
    {Feel, Think},       {None, Feel},     {In, Out},          {Perceive, Intuit}, {Intuit, Perceive},
};

QStringList aptitudeFields(const RecordingView &view)
{
    QStringList out;
    for (int n = 48; n <= 53; ++n)
        out << view.fields.value(QStringLiteral("Edit%1").arg(n));
    return out;
}

QStringList expectedAptitude(const QVector<int> &answers)
{
    int sums[6] = {};
    for (int k = 0; k < 23; ++k)
        if (kAptitudeKey[k][answers[k]] != None)
            ++sums[kAptitudeKey[k][answers[k]]];
    QStringList out;
    for (int s : sums)
        out << QString::number(s);
    return out;
}

} // namespace

class TestCareerModels : public QObject {
    Q_OBJECT
private slots:    // ---- driving forces ----
    void scoreBoxesAreNamedByDriverAndOrdinal()
    {
        auto owned = drivingForce();
        DrivingForceTest &t = *owned;
        QCOMPARE(t.box(0).name, QStringLiteral("cmbA1"));
        QCOMPARE(t.box(1).name, QStringLiteral("cmbB1"));
        QCOMPARE(t.box(8).name, QStringLiteral("cmbI1"));
        QCOMPARE(t.box(9).name, QStringLiteral("cmbA2"));
        QMap<char, int> perDriver;
        QSet<QString> names;
        for (int i = 0; i < DrivingForceTest::kBoxes; ++i) {
            ++perDriver[t.box(i).driver];
            names.insert(t.box(i).name);
            QVERIFY(t.box(i).driver != t.box(DrivingForceTest::partnerOf(i)).driver);
            QVERIFY(!Quiz::recordFor(8)->text(QStringLiteral("p%1.%2").arg(t.box(i).pair).arg(t.box(i).first ? 1 : 2)).isEmpty());
        }
        QCOMPARE(names.size(), 72);
        QCOMPARE(perDriver.value('H'), 9);
        QCOMPARE(perDriver.value('I'), 7);
        for (char d = 'A'; d <= 'G'; ++d)
            QCOMPARE(perDriver.value(d), 8);
    }

    void partnersTakeTheRestWithoutCascading()
    {
        auto owned = drivingForce();
        DrivingForceTest &t = *owned;
        RecordingView view;
        t.readerChanged(0, "3", view);
        QCOMPARE(t.text(1), QStringLiteral("0"));
        QCOMPARE(view.fields.value("cmbB1"), QStringLiteral("0"));
        QCOMPARE(view.fields.size(), 1);               // the partner's write changes nothing further
        t.readerChanged(1, "1", view);
        QCOMPARE(t.text(0), QStringLiteral("2"));
        QCOMPARE(t.value(0), 2);
        QCOMPARE(t.value(1), 1);
        t.readerChanged(5, "2", view);
        QCOMPARE(t.text(4), QStringLiteral("1"));
        QVERIFY(view.errors.isEmpty());
    }

    // A typed whole number (blanks around it, one sign, digits) gives the partner 3 - n, whether
    // or not it is one of the items; anything else raises the standard error box.
    void typedTexts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("partner");    // empty: the error box, partner unchanged
        QTest::addColumn<int>("value");
        QTest::newRow("letters") << "abc" << QString() << -1;
        QTest::newRow("deleted") << "" << QString() << -1;
        QTest::newRow("decimal") << "1.5" << QString() << -1;
        QTest::newRow("too large") << "99999999999" << QString() << -1;
        QTest::newRow("out of range") << "5" << "-2" << -1;
        QTest::newRow("negative") << "-1" << "4" << -1;
        QTest::newRow("int max") << "2147483647" << "-2147483644" << -1;
        QTest::newRow("int min") << "-2147483648" << "2147483651" << -1;
        QTest::newRow("NUL after a digit") << QStringLiteral("3") + QChar(0) + QStringLiteral("abc") << QString() << -1;
        QTest::newRow("full-width digit") << QString::fromUtf8("３") << QString() << -1;
        QTest::newRow("blank inside") << "1 2" << QString() << -1;
        QTest::newRow("plus sign") << "+2" << "1" << -1;
    }
    void typedTexts()
    {
        QFETCH(QString, typed);
        QFETCH(QString, partner);
        QFETCH(int, value);
        auto owned = drivingForce();
        DrivingForceTest &t = *owned;
        RecordingView view;
        t.readerChanged(1, "2", view);                 // partner cmbA1 now shows 1
        view.errors.clear();
        t.readerChanged(1, typed, view);
        QCOMPARE(t.text(1), typed);
        QCOMPARE(t.value(1), value);
        if (partner.isEmpty()) {
            QCOMPARE(view.errors, QStringList{QStringLiteral("'%1' is not a valid integer value.").arg(typed)});
            QCOMPARE(t.text(0), QStringLiteral("1"));
        } else {
            QVERIFY(view.errors.isEmpty());
            QCOMPARE(t.text(0), partner);
            QCOMPARE(t.value(0), int(QStringList({"0", "1", "2", "3"}).indexOf(partner)));
        }
    }

    void totalsAppearOnceMostPairsAreAnswered()
    {
        auto owned = drivingForce();
        DrivingForceTest &t = *owned;
        RecordingView view;
        t.Finish(view);
        QCOMPARE(view.notices, QStringList{u("部分题目未被选中,请检查")});
        QCOMPARE(totals(view), QStringList(9, QString()));
        for (int pair = 0; pair < 18; ++pair)
            t.readerChanged(2 * pair, "3", view);
        t.Finish(view);
        QCOMPARE(view.notices.size(), 2);              // 36 empty boxes are still too many
        t.readerChanged(36, "3", view);                // pair 19, first statement D
        t.Finish(view);
        QCOMPARE(view.notices.size(), 2);
        // Pairs 1..19 with 3 points on their first statements.
        QCOMPARE(totals(view), withUnit({12, 9, 12, 6, 6, 6, 3, 0, 3}));
        // After page entry nothing is answered: the message, and no field is written.
        t.Reset(view);
        QCOMPARE(totals(view), QStringList(9, QString()));
        view.fields.clear();
        t.Finish(view);
        QCOMPARE(view.notices.size(), 3);
        QVERIFY(view.fields.isEmpty());
    }

    void totalsOfWholeAnswerSets_data()
    {
        QTest::addColumn<int>("firstGets");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all first") << 3 << withUnit({21, 21, 18, 9, 12, 12, 6, 0, 9});
        QTest::newRow("all second") << 0 << withUnit({3, 3, 6, 15, 12, 12, 18, 27, 12});
    }
    void totalsOfWholeAnswerSets()
    {
        QFETCH(int, firstGets);
        QFETCH(QStringList, expected);
        auto owned = drivingForce();
        DrivingForceTest &t = *owned;
        RecordingView view;
        for (int pair = 0; pair < 36; ++pair)
            t.readerChanged(2 * pair, QString::number(firstGets), view);
        t.Finish(view);
        QCOMPARE(totals(view), expected);
    }

    void anySplitAddsUpTo108()
    {
        QRandomGenerator random(20261209);
        for (int round = 0; round < 20; ++round) {
            auto owned = drivingForce();
            DrivingForceTest &t = *owned;
            RecordingView view;
            for (int pair = 0; pair < 36; ++pair)
                t.readerChanged(2 * pair + int(random.bounded(2)), QString::number(random.bounded(4)), view);
            t.Finish(view);
            int sum = 0;
            for (const QString &total : totals(view))
                sum += total.chopped(2).toInt();
            QCOMPARE(sum, 108);
        }
    }

    // ---- orientation ----
    void letterCounts_data()
    {
        QTest::addColumn<QVector<int>>("yes");      // questions answered 是; all others 否
        QTest::addColumn<QStringList>("counts");    // R C E S A I
        QVector<int> all;
        for (int n = 1; n <= 60; ++n)
            all << n;
        QTest::newRow("all yes") << all << QStringList(6, "10");
        QTest::newRow("all no") << QVector<int>() << QStringList(6, "0");
        QTest::newRow("only 17") << QVector<int>{17} << QStringList{"0", "0", "0", "0", "1", "0"};
        QTest::newRow("every sixth from 6") << QVector<int>{6, 12, 18, 24, 30, 36, 42, 48, 54, 60}
                                            << QStringList{"0", "0", "0", "0", "0", "10"};
        QTest::newRow("ties stay as they are") << QVector<int>{1, 2, 7, 8, 33} << QStringList{"2", "2", "1", "0", "0", "0"};
    }
    void letterCounts()
    {
        QFETCH(QVector<int>, yes);
        QFETCH(QStringList, counts);
        auto q = Quiz::makeQuestionnaire(*Quiz::recordFor(9));
        RecordingView view;
        q->Reset(view);
        for (int n = 1; n <= 60; ++n)
            q->select(n, yes.contains(n) ? 0 : 1);
        q->Finish(view);
        q->Finish(view);
        QStringList shown;
        for (const char *f : {"R_edit", "C_edit", "E_edit", "S_edit", "A_edit", "I_edit"})
            shown << view.fields.value(f);
        QCOMPARE(shown, counts);
        QVERIFY(view.notices.isEmpty());
    }

    void orientationWantsEveryAnswer_data()
    {
        QTest::addColumn<int>("open");
        QTest::newRow("12") << 12;
        QTest::newRow("60") << 60;
    }
    void orientationWantsEveryAnswer()
    {
        QFETCH(int, open);
        auto q = Quiz::makeQuestionnaire(*Quiz::recordFor(9));
        RecordingView view;
        q->Reset(view);
        for (int n = 1; n <= 60; ++n)
            if (n != open)
                q->select(n, 0);
        q->Finish(view);
        QCOMPARE(view.notices, QStringList{u("有些题目未被选中,可能影响测试结果！")});
        for (const QString &value : view.fields)
            QCOMPARE(value, QString());
    }

    // The word pairs of the aptitude test show only their numbers; every option is lettered.
    void aptitudePromptsAndOptions()
    {
        auto aptitude = Quiz::makeQuestionnaire(*Quiz::recordFor(10));
        for (const TChoiceQuestion &q : aptitude->Questions) {
            QCOMPARE(q.prompt.isEmpty(), q.Number > 15);   // the word pairs show only their numbers
            QCOMPARE(q.options.size(), 2);
            QVERIFY(q.options[0].startsWith('A') && q.options[1].startsWith('B'));
        }
    }

    // ---- aptitude ----
    void aptitudeTotalsFollowTheLastAnswers()
    {
        QRandomGenerator random(7);
        for (int round = 0; round < 30; ++round) {
            auto q = Quiz::makeQuestionnaire(*Quiz::recordFor(10));
            RecordingView view;
            q->Reset(view);
            // Answer in a random order, changing some answers on the way.
            QVector<int> answers(23, -1);
            for (int step = 0; step < 60; ++step) {
                const int k = int(random.bounded(23));
                answers[k] = int(random.bounded(2));
                q->select(k + 1, answers[k]);
            }
            for (int k = 0; k < 23; ++k)
                if (answers[k] < 0) {
                    answers[k] = int(random.bounded(2));
                    q->select(k + 1, answers[k]);
                }
            q->Finish(view);
            QVERIFY(view.notices.isEmpty());
            QCOMPARE(aptitudeFields(view), expectedAptitude(answers));
        }
    }

    void aptitudeSingleChanges_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QVector<int>>("delta");   // change of each total
        QTest::newRow("2 A to B") << 2 << 0 << 1 << QVector<int>{1, -1, 0, 0, 0, 0};
        QTest::newRow("12 B to A") << 12 << 1 << 0 << QVector<int>{0, 0, 0, 0, -1, 1};
        QTest::newRow("1 A to B") << 1 << 0 << 1 << QVector<int>{0, 0, 0, 0, 1, 0};
        QTest::newRow("8 A to B") << 8 << 0 << 1 << QVector<int>{0, 0, 0, 1, 0, 0};
        QTest::newRow("20 A to B") << 20 << 0 << 1 << QVector<int>{0, 0, 0, 0, 0, 1};
        QTest::newRow("6 B to A") << 6 << 1 << 0 << QVector<int>{0, -1, 1, 0, 0, 0};
        QTest::newRow("5 A to B") << 5 << 0 << 1 << QVector<int>{0, 0, 0, 0, 0, 0};
    }
    void aptitudeSingleChanges()
    {
        QFETCH(int, question);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QVector<int>, delta);
        auto q = Quiz::makeQuestionnaire(*Quiz::recordFor(10));
        RecordingView view;
        q->Reset(view);
        for (int k = 1; k <= 23; ++k)
            q->select(k, k == question ? from : (k % 2));
        q->Finish(view);
        const QStringList before = aptitudeFields(view);
        q->select(question, to);
        QCOMPARE(aptitudeFields(view), before);     // shown totals wait for the button
        q->Finish(view);
        const QStringList after = aptitudeFields(view);
        for (int row = 0; row < 6; ++row)
            QCOMPARE(after[row].toInt() - before[row].toInt(), delta[row]);
    }

    void aptitudeMessagesAndReset()
    {
        auto q = Quiz::makeQuestionnaire(*Quiz::recordFor(10));
        RecordingView view;
        q->Reset(view);
        q->Finish(view);
        QString all;
        for (int k = 1; k <= 23; ++k)
            all += QString::number(k) + ',';
        QCOMPARE(view.notices.last(), all + u("题未被选中!请检查！"));
        QVector<int> answers(23, 1);
        for (int k = 1; k <= 23; ++k)
            if (k != 3 && k != 17)
                q->select(k, 1);
        q->Finish(view);
        QCOMPARE(view.notices.last(), u("3,17,题未被选中!请检查！"));
        q->select(3, 1);
        q->select(17, 1);
        q->Finish(view);
        QCOMPARE(aptitudeFields(view), expectedAptitude(answers));

        // Page entry clears answers and totals, keeps the tally, and refuses to add up until
        // all 23 are answered again; then only the new answers count.
        q->Reset(view);
        QCOMPARE(aptitudeFields(view), QStringList(6, QString()));
        QCOMPARE(tallySheet().total(1), expectedAptitude(answers)[1].toInt());
        for (int k = 1; k <= 22; ++k)
            q->select(k, 0);
        q->Finish(view);
        QCOMPARE(view.notices.last(), u("23,题未被选中!请检查！"));
        q->select(23, 0);
        q->Finish(view);
        QCOMPARE(aptitudeFields(view), expectedAptitude(QVector<int>(23, 0)));
    }
};

QTEST_GUILESS_MAIN(TestCareerModels)
#include "tst_careermodels.moc"
