// The letters a result chart names as the highest, ties kept.
#include "book/quiz/chartmodel.h"
#include "book/quiz/variants.h"

#include <QTest>

class TestChartModel : public QObject {
    Q_OBJECT
private slots:
    void topLettersKeepTies_data()
    {
        QTest::addColumn<QVector<int>>("values");
        QTest::addColumn<QString>("top");
        // Values in the order R I A S E C.
        QTest::newRow("clear order") << QVector<int>{2, 1, 8, 9, 7, 0} << "SAE";
        QTest::newRow("tie for third") << QVector<int>{2, 1, 8, 9, 5, 5} << "SAEC";
        QTest::newRow("tie at the top stays in reference order") << QVector<int>{6, 6, 6, 1, 0, 0} << "RIA";
        QTest::newRow("tie across the cut") << QVector<int>{3, 9, 3, 3, 3, 0} << "IRASE";
        QTest::newRow("all equal") << QVector<int>{4, 4, 4, 4, 4, 4} << "RIASEC";
    }
    void topLettersKeepTies()
    {
        QFETCH(QVector<int>, values);
        QFETCH(QString, top);
        const QStringList order{"R", "I", "A", "S", "E", "C"};
        QCOMPARE(Quiz::topLetters(values, order).join(QString()), top);
    }

    // The code line of the orientation test, made from "是" answers given per letter.
    void codeLineSaysTies_data()
    {
        QTest::addColumn<QVector<int>>("yes");   // in the order R I A S E C
        QTest::addColumn<QString>("line");
        QTest::newRow("three clear") << QVector<int>{2, 1, 8, 9, 7, 0} << QString::fromUtf8("你的职业兴趣代码：SAE");
        QTest::newRow("third shared") << QVector<int>{2, 1, 8, 9, 5, 5} << QString::fromUtf8("你的职业兴趣代码：SA（并列：E、C）");
        QTest::newRow("all but one shared") << QVector<int>{3, 9, 3, 3, 3, 0} << QString::fromUtf8("你的职业兴趣代码：I（并列：R、A、S、E）");
    }
    void codeLineSaysTies()
    {
        QFETCH(QVector<int>, yes);
        QFETCH(QString, line);
        const Quiz::QuizRecord &record = *Quiz::recordFor(9);
        auto model = Quiz::makeQuestionnaire(record);
        const QString order = QStringLiteral("RIASEC");
        for (int n = 1; n <= 60; ++n) {
            const int letter = static_cast<int>(order.indexOf(QLatin1Char(Quiz::LetterCountTest::kLetters[(n - 1) % 6])));
            model->select(n, (n - 1) / 6 < yes[letter] ? 0 : 1);
        }
        QCOMPARE(Quiz::chartFor(record, *model).summary, line);
    }
};

QTEST_GUILESS_MAIN(TestChartModel)
#include "tst_chartmodel.moc"
