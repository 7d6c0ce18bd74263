// What a result chart reads out of a finished test: the letters and drivers it names as the
// highest (ties kept, in reference order), the decision style, the bands of a scale; from hand-worked answers.
#include "book/quiz/chartmodel.h"
#include "book/quiz/drivingforce.h"
#include "book/quiz/variants.h"
#include "recordingview.h"

#include <QTest>

namespace {

QString u(const char *s)
{
    return QString::fromUtf8(s);
}

using Bands = QVector<QPair<int, int>>;

} // namespace

class TestChartModel : public QObject {
    Q_OBJECT
private slots:
    // The code line of the orientation test, made from "是" answers given per letter.
    void codeLineSaysTies_data()
    {
        QTest::addColumn<QVector<int>>("yes");   // in the order R I A S E C
        QTest::addColumn<QString>("line");
        QTest::newRow("three clear") << QVector<int>{2, 1, 8, 9, 7, 0} << QString::fromUtf8("你的职业兴趣代码：SAE");
        QTest::newRow("third shared") << QVector<int>{2, 1, 8, 9, 5, 5} << QString::fromUtf8("你的职业兴趣代码：SA（并列：E、C）");
        QTest::newRow("all but one shared") << QVector<int>{3, 9, 3, 3, 3, 0} << QString::fromUtf8("你的职业兴趣代码：I（并列：R、A、S、E）");
        QTest::newRow("tie at the top in reference order") << QVector<int>{6, 6, 6, 1, 0, 0} << QString::fromUtf8("你的职业兴趣代码：RIA");
        QTest::newRow("all equal") << QVector<int>{4, 4, 4, 4, 4, 4} << QString::fromUtf8("你的职业兴趣代码：（并列：R、I、A、S、E、C）");
    }
    void codeLineSaysTies()
    {
        QFETCH(QVector<int>, yes);
        QFETCH(QString, line);
        const Quiz::QuizRecord &record = *Quiz::recordFor(9);
        auto model = Quiz::makeQuestionnaire(record);
        const QString order = QStringLiteral("RIASEC");
        for (int n = 1; n <= 60; ++n) {
            // Statement n speaks for R, C, E, S, A, I by (n - 1) mod 6.
            const int letter = static_cast<int>(order.indexOf(QStringLiteral("RCESAI").at((n - 1) % 6)));
            model->select(n, (n - 1) / 6 < yes[letter] ? 0 : 1);
        }
        QCOMPARE(Quiz::chartFor(record, *model).summary, line);
    }

    // The drivers named are those with the highest share of their own maximum (24 points; 27
    // for H, 21 for I), not the highest raw totals.
    void topDriversByShare_data()
    {
        QTest::addColumn<QVector<int>>("firstGets");   // points of each pair's first statement
        QTest::addColumn<QString>("line");
        // Each pair's 3 points to the driver first in I H A B C D E F G: totals I 21, H 24, A 18.
        const QString order = QStringLiteral("IHABCDEFG");
        static const char *const pairs[36] = {"AB", "CD", "EF", "GH", "IA", "BC", "DE", "FG", "AD", "CE", "AH", "BD",
                                              "CF", "EG", "FH", "AE", "BF", "CG", "DH", "AF", "BG", "CH", "FH", "BE",
                                              "CI", "EH", "BI", "AG", "EI", "BH", "DG", "GI", "AC", "IH", "FD", "ID"};
        QVector<int> preferred;
        for (const char *pair : pairs)
            preferred << (order.indexOf(QLatin1Char(pair[0])) < order.indexOf(QLatin1Char(pair[1])) ? 3 : 0);
        QTest::newRow("I's 21 of 21 before H's 24 of 27")
            << preferred << u("你最看重的驱动力：I 地位、H 安全、A 物质报酬");
        // I 21/21, A 18/24, then B 16/24 and H 18/27 share the third place.
        QTest::newRow("equal shares of different maxima tie")
            << QVector<int>{0, 2, 3, 0, 3, 2, 2, 2, 3, 3, 3, 0, 0, 0, 0, 3, 3, 3,
                            0, 3, 3, 0, 0, 3, 0, 1, 0, 3, 0, 2, 0, 0, 3, 3, 3, 3}
            << u("你最看重的驱动力：I 地位、A 物质报酬（并列：B 权力影响、H 安全）");
    }
    void topDriversByShare()
    {
        QFETCH(QVector<int>, firstGets);
        QFETCH(QString, line);
        const Quiz::QuizRecord &record = *Quiz::recordFor(8);
        auto test = Quiz::makeTest(record);
        auto &drivers = static_cast<DrivingForceTest &>(*test);
        RecordingView view;
        for (int pair = 0; pair < 36; ++pair)
            drivers.readerChanged(2 * pair, QString::number(firstGets[pair]), view);
        QCOMPARE(Quiz::chartFor(record, drivers).summary, line);
    }

    // The aptitude chart's decision style: 知觉 against 直觉, then 思考 against 感情.
    void decisionStyle_data()
    {
        QTest::addColumn<QVector<int>>("answers");   // 0 for A, 1 for B, questions 1..23
        QTest::addColumn<QString>("line");
        // 知觉 8 : 直觉 0, 思考 6 : 感情 0.
        QTest::newRow("知觉, 思考") << QVector<int>{1, 0, 1, 0, 0, 0, 0, 0, 1, 1, 0, 1, 1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 1}
                                  << u("你的决策作风：知觉与思考型作风");
        // 知觉 0 : 直觉 8, 思考 0 : 感情 6.
        QTest::newRow("直觉, 感情") << QVector<int>{0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 0, 1, 0}
                                  << u("你的决策作风：直觉与感情型作风");
        // 知觉 8 : 直觉 0, 思考 0 : 感情 6.
        QTest::newRow("知觉, 感情") << QVector<int>{0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 1}
                                  << u("你的决策作风：知觉与感情型作风");
        // All A: 知觉 4 : 直觉 4.
        QTest::newRow("even") << QVector<int>(23, 0) << u("你的决策作风：两种倾向相当，可参考相邻的两种作风");
    }
    void decisionStyle()
    {
        QFETCH(QVector<int>, answers);
        QFETCH(QString, line);
        const Quiz::QuizRecord &record = *Quiz::recordFor(10);
        auto model = Quiz::makeQuestionnaire(record);
        for (int k = 1; k <= 23; ++k)
            model->select(k, answers[k - 1]);
        QCOMPARE(Quiz::chartFor(record, *model).summary, line);
    }

    // A scale runs from the lowest to the highest possible score; each band ends one below the
    // next band's first score.
    void bandsCoverTheScale_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<Bands>("bands");
        QTest::newRow("EQ") << 1 << Bands{{4, 89}, {90, 129}, {130, 149}, {150, 174}};
        QTest::newRow("stress self-test") << 6 << Bands{{0, 5}, {6, 14}, {15, 20}};
        QTest::newRow("PSTRI") << 7 << Bands{{50, 59}, {60, 70}, {71, 81}, {82, 92}, {93, 200}};
    }
    void bandsCoverTheScale()
    {
        QFETCH(int, page);
        QFETCH(Bands, bands);
        const Quiz::QuizRecord &record = *Quiz::recordFor(page);
        auto model = Quiz::makeQuestionnaire(record);
        const Quiz::ChartModel chart = Quiz::chartFor(record, *model);
        Bands shown;
        for (const Quiz::ChartBand &band : chart.bands)
            shown << qMakePair(band.low, band.high);
        QCOMPARE(shown, bands);
        QCOMPARE(chart.low, bands.first().first);
        QCOMPARE(chart.high, bands.last().second);
    }
};

QTEST_GUILESS_MAIN(TestChartModel)
#include "tst_chartmodel.moc"
