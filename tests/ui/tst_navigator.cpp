// Page changes: the order of their steps, what must not happen, and the real window's menu.
#include "ui/mainwindow.h"
#include "book/navigator.h"
#include "testsupport.h"

#include <QFrame>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTest>

namespace {

// Records what the navigator asks of the window, in order.
class RecordingSurface : public INavigationSurface {
public:
    QStringList calls;
    PageId shown = kNoPage;
    void setScrollPosition(int y) override { calls << QStringLiteral("scroll %1").arg(y); }
    void showPage(PageId id) override
    {
        shown = id;
        calls << QStringLiteral("show %1").arg(id);
    }
    void setLayoutHeights(int h) override { calls << QStringLiteral("heights %1").arg(h); }
    void showLastPageNotice() override { calls << QStringLiteral("last page"); }
};

} // namespace

class TestNavigator : public QObject {
    Q_OBJECT
private slots:
    void startShowsTheCoverWithItsHeights()
    {
        RecordingSurface s;
        TNavigator nav(s);
        nav.start();
        QCOMPARE(nav.currentPage(), 36);
        QCOMPARE(s.calls, QStringList({"scroll 0", "show 36", "heights 1000"}));
    }

    void pageChangeScrollsShowsThenRunsTheEntryHook()
    {
        RecordingSurface s;
        TNavigator nav(s);
        nav.registerEntryHook(1, [&] { s.calls << QStringLiteral("reset 1"); });
        nav.start();
        s.calls.clear();
        nav.GoToPage(1);
        QCOMPARE(s.calls, QStringList({"scroll 0", "show 1", "heights 3400", "reset 1"}));
    }

    void theCurrentPageIsNotEnteredAgain()
    {
        RecordingSurface s;
        TNavigator nav(s);
        int resets = 0;
        nav.registerEntryHook(38, [&] { ++resets; });
        nav.start();
        nav.GoToContents();
        QCOMPARE(resets, 1);
        s.calls.clear();
        nav.GoToContents();
        nav.GoToPage(38);
        QCOMPARE(resets, 1);
        QCOMPARE(s.calls, QStringList({"scroll 0", "scroll 0"}));
    }

    void aPageLeftAndEnteredAgainRunsItsHookAgain()
    {
        RecordingSurface s;
        TNavigator nav(s);
        int resets = 0;
        nav.registerEntryHook(2, [&] { ++resets; });
        nav.start();
        nav.GoToPage(2);
        nav.GoNext();
        nav.GoPrevious();
        QCOMPARE(nav.currentPage(), 2);
        QCOMPARE(resets, 2);
    }

    void previousOnTheCoverOnlyScrolls()
    {
        RecordingSurface s;
        TNavigator nav(s);
        nav.start();
        s.calls.clear();
        nav.GoPrevious();
        QCOMPARE(nav.currentPage(), 36);
        QCOMPARE(s.calls, QStringList({"scroll 0"}));
    }

    void nextOnTheLastPageShowsTheNotice()
    {
        RecordingSurface s;
        TNavigator nav(s);
        nav.start();
        nav.GoToPage(35);
        s.calls.clear();
        nav.GoNext();
        QCOMPARE(nav.currentPage(), 35);
        QCOMPARE(s.calls, QStringList({"scroll 0", "last page"}));
    }

    void walkingVisitsEveryPageOnceEachWay()
    {
        RecordingSurface s;
        TNavigator nav(s);
        nav.start();
        QVector<PageId> forward{nav.currentPage()};
        for (int step = 0; step < 41; ++step) {
            nav.GoNext();
            forward.append(nav.currentPage());
        }
        QCOMPARE(forward.last(), 35);
        QCOMPARE(QSet<PageId>(forward.begin(), forward.end()).size(), kPageCount);
        QCOMPARE(forward.mid(3, 5), QVector<PageId>({39, 3, 2, 1, 4}));

        QVector<PageId> backward{nav.currentPage()};
        for (int step = 0; step < 41; ++step) {
            nav.GoPrevious();
            backward.append(nav.currentPage());
        }
        std::reverse(backward.begin(), backward.end());
        QCOMPARE(backward, forward);
        QCOMPARE(nav.currentPage(), 36);
    }

    void unknownTargetsAreIgnored()
    {
        RecordingSurface s;
        TNavigator nav(s);
        nav.start();
        s.calls.clear();
        nav.GoToPage(0);
        nav.GoToPage(43);
        QCOMPARE(nav.currentPage(), 36);
        QVERIFY(s.calls.isEmpty());
    }

    // The same through the real window and its menu.
    void menuCommandsSetHeightsAndScrollExtent()
    {
        auto w = TestSupport::makeWindow();
        auto *container = w->findChild<QStackedWidget *>("PageControl1");
        auto *left = w->findChild<QFrame *>("Panel26");
        auto *right = w->findChild<QFrame *>("Panel7");
        QVERIFY(container && left && right);
        auto check = [&](PageId expected) {
            QCOMPARE(w->navigator().currentPage(), expected);
            QCOMPARE(container->currentWidget(), w->page(expected));
            const int h = TPageTable::entry(expected).layoutHeight;
            QCOMPARE(container->height(), h);
            QCOMPARE(left->height(), h);
            QCOMPARE(right->height(), h);
            QCOMPARE(w->scrollExtent(), 56 + h);
            QCOMPARE(w->scrollPosition(), 0);
        };
        check(36);
        TestSupport::trigger(*w, "N4");
        check(37);
        TestSupport::trigger(*w, "N2");
        check(38);
        TestSupport::trigger(*w, "N4");
        TestSupport::trigger(*w, "N4");
        check(3);
        w->navigator().GoToPage(8);
        auto *bar = w->findChild<QScrollArea *>()->verticalScrollBar();
        bar->setValue(bar->maximum());
        QCOMPARE(w->scrollPosition(), w->scrollMaximum());
        QVERIFY(w->scrollPosition() > 4000);
        TestSupport::trigger(*w, "N1");
        check(36);
        TestSupport::trigger(*w, "N3");
        check(36);
    }

    void menuReturnToContentsOnContentsOnlyScrolls()
    {
        auto w = TestSupport::makeWindow();
        w->navigator().GoToContents();
        w->findChild<QScrollArea *>()->verticalScrollBar()->setValue(200);
        QCOMPARE(w->scrollPosition(), 200);
        TestSupport::trigger(*w, "N2");
        QCOMPARE(w->scrollPosition(), 0);
        QCOMPARE(w->navigator().currentPage(), 38);
    }

    void lastPageBoxOffersOkAndCancel_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("OK") << QStringLiteral("OK");
        QTest::newRow("Cancel") << QStringLiteral("Cancel");
    }
    void lastPageBoxOffersOkAndCancel()
    {
        QFETCH(QString, button);
        auto w = TestSupport::makeWindow();
        w->navigator().GoToPage(35);
        w->findChild<QScrollArea *>()->verticalScrollBar()->setValue(300);
        const auto seen = TestSupport::expectModal([&] { TestSupport::trigger(*w, "N4"); }, button == "OK" ? "&OK" : "&Cancel");
        QVERIFY(seen.shown);
        QCOMPARE(seen.title, QString::fromUtf8("提示"));
        QCOMPARE(seen.text, QString::fromUtf8("已经是最后一页了！"));
        QCOMPARE(seen.buttons, QStringList({"Cancel", "OK"}));
        QCOMPARE(w->navigator().currentPage(), 35);
        QCOMPARE(w->scrollPosition(), 0);
    }
};

PATHORA_TEST_MAIN(TestNavigator)
#include "tst_navigator.moc"
