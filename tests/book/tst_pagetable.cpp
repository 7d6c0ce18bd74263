// The page catalogue and the reading order, without any window.
#include "book/pagetable.h"

#include <QSet>
#include <QTest>

class TestPageTable : public QObject {
    Q_OBJECT
private slots:
    void positionsFollowIdentifiers()
    {
        for (PageId id = 1; id <= kPageCount; ++id) {
            const TPageEntry &e = TPageTable::entry(id);
            QCOMPARE(e.position(), id - 1);
            QCOMPARE(TPageTable::byName(QStringLiteral("TabSheet%1").arg(id)), &e);
        }
        QCOMPARE(TPageTable::byName("TabSheet36")->position(), 35);
    }

    void unknownNamesFindNothing_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *n : {"TabSheet0", "TabSheet43", "TabSheet07", "TabSheet", "tabsheet1", "Page1", ""})
            QTest::newRow(n) << QString::fromLatin1(n);
    }
    void unknownNamesFindNothing()
    {
        QFETCH(QString, name);
        QVERIFY(TPageTable::byName(name) == nullptr);
    }

    void readingOrderIsAPermutationFromCoverToLastAdvert()
    {
        const QVector<PageId> &order = TPageTable::readingOrder();
        QCOMPARE(order.size(), kPageCount);
        QCOMPARE(QSet<PageId>(order.begin(), order.end()).size(), kPageCount);
        QCOMPARE(order.first(), 36);
        QCOMPARE(order.last(), 35);
        for (int i = 0; i < order.size(); ++i)
            QCOMPARE(TPageTable::entry(order[i]).readingPosition, i + 1);
    }

    void questionnairesAreReadThreeTwoOneThenOnwards()
    {
        QVector<PageId> seen;
        for (PageId id : TPageTable::readingOrder())
            if (TPageTable::entry(id).kind == TPageKind::Questionnaire)
                seen.append(id);
        QCOMPARE(seen, QVector<PageId>({3, 2, 1, 4, 5, 6, 7, 8, 9, 10}));
    }

    // The rows where previous/next leave the container order.
    void previousAndNext_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("previous");
        QTest::addColumn<int>("next");
        const int rows[][3] = {{36, 0, 37}, {38, 37, 39}, {39, 38, 3}, {3, 39, 2}, {2, 3, 1}, {1, 2, 4},
                               {4, 1, 5},   {11, 10, 40}, {40, 11, 12}, {12, 40, 13}, {19, 18, 41},
                               {41, 19, 20}, {20, 41, 21}, {30, 29, 42}, {42, 30, 31}, {31, 42, 32},
                               {35, 34, 0},  {25, 24, 26}, {10, 9, 11}, {37, 36, 38}};
        for (const auto &r : rows)
            QTest::addRow("TabSheet%d", r[0]) << r[0] << r[1] << r[2];
    }
    void previousAndNext()
    {
        QFETCH(int, page);
        QFETCH(int, previous);
        QFETCH(int, next);
        QCOMPARE(TPageTable::previous(page), previous);
        QCOMPARE(TPageTable::next(page), next);
    }

    // Every page's layout height, as the book gives it; the page area, the side strips and the
    // foot of the page follow from it.
    void layoutHeights_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("height");
        const int heights[kPageCount] = {3400, 2200, 3000, 2700, 1500, 2200, 4100, 5400, 4900, 4700,   // 1..10
                                         1800, 1500, 2800, 1500, 3100, 1800, 1500, 1500, 1800, 1500,   // 11..20
                                         1800, 1800, 2500, 1900, 1500, 2300, 1500, 1500, 1500, 1800,   // 21..30
                                         1500, 1800, 1800, 1500, 1800, 1000, 1500, 1500, 1500, 1500,   // 31..40
                                         1500, 1500};
        for (PageId id = 1; id <= kPageCount; ++id)
            QTest::addRow("TabSheet%d", id) << id << heights[id - 1];
    }
    void layoutHeights()
    {
        QFETCH(int, page);
        QFETCH(int, height);
        QCOMPARE(TPageTable::entry(page).layoutHeight, height);
    }

    void footers()
    {
        for (PageId id = 1; id <= 35; ++id) {
            const unsigned f = TPageTable::entry(id).footer;
            QVERIFY(f & FooterContents);
            QCOMPARE(bool(f & FooterPrevious), id != 3);
            QCOMPARE(bool(f & FooterNext), id != 35);
            QCOMPARE(bool(f & FooterExit), id == 35);
        }
        for (PageId id = 36; id <= 42; ++id)
            QCOMPARE(TPageTable::entry(id).footer, unsigned(FooterNone));
    }

    void headingsKeepTheirTrailingBlanks()
    {
        QCOMPARE(QString::fromUtf8(TPageTable::entry(8).heading), QString::fromUtf8("事业驱策力标准测试 "));
        QCOMPARE(QString::fromUtf8(TPageTable::entry(14).heading), QString::fromUtf8("职业生涯管理（CM）---自我评估 "));
        QVERIFY(QString::fromUtf8(TPageTable::entry(13).heading).endsWith(QString::fromUtf8("明天")));
    }
};

QTEST_GUILESS_MAIN(TestPageTable)
#include "tst_pagetable.moc"
