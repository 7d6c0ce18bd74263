// The main window: geometry, menu, scrolling and the wheel.
#include "book/quiz/records.h"
#include "ui/mainwindow.h"
#include "testsupport.h"

#include <QComboBox>
#include <QFrame>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTest>

using TestSupport::wheel;

class TestMainWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<TForm2> m_whole;
private slots:
    void cleanupTestCase() { m_whole.reset(); }

    void startsOnTheCoverAtTheTop()
    {
        auto w = TestSupport::makeWindow();
        QCOMPARE(w->windowTitle(), QStringLiteral("Pathora"));
        QCOMPARE(w->objectName(), QStringLiteral("Form2"));
        QCOMPARE(w->frameGeometry().size(), QSize(1058, 598));
        QCOMPARE(w->navigator().currentPage(), 36);
        QCOMPARE(w->scrollPosition(), 0);
        QCOMPARE(w->scrollExtent(), 1056);
        QVERIFY(!w->windowIcon().isNull());
    }

    void menuHasTheFourCommandsInOrder()
    {
        auto w = TestSupport::makeWindow();
        QStringList captions, names;
        // The book's four commands stand first, as actions; added menus come after them.
        for (QAction *a : w->menuBar()->actions().mid(0, 4)) {
            captions << a->text();
            names << a->objectName();
            QVERIFY(!a->menu());
        }
        for (QAction *a : w->menuBar()->actions().mid(4))
            QVERIFY(a->menu());
        QCOMPARE(names, QStringList({"N1", "N2", "N3", "N4"}));
        QCOMPARE(captions, QStringList({QString::fromUtf8("返回首页"), QString::fromUtf8("返回目录页"),
                                        QString::fromUtf8("上一页"), QString::fromUtf8("下一页")}));
    }

    void stripsFrameTheContainerAndLieAboveIt()
    {
        auto w = TestSupport::makeWindow();
        w->navigator().GoToPage(13);
        auto *container = w->findChild<QStackedWidget *>("PageControl1");
        auto *left = w->findChild<QFrame *>("Panel26");
        auto *right = w->findChild<QFrame *>("Panel7");
        QCOMPARE(container->geometry(), QRect(88, 56, 921, 2800));
        QCOMPARE(right->geometry(), QRect(938, 56, 87, 2800));
        QCOMPARE(left->geometry(), QRect(32, 52, 60, 2800));
        QWidget *client = container->parentWidget();
        QCOMPARE(client->childAt(QPoint(1000, 400)), right);   // right 71 px of the container
        QCOMPARE(client->childAt(QPoint(90, 400)), left);     // left 4 px
        QVERIFY(client->childAt(QPoint(500, 400)) != left && client->childAt(QPoint(500, 400)) != right);
    }

    void wheelMovesTenPixelsPerNotch()
    {
        auto w = TestSupport::makeWindow();
        QWidget *page = w->page(36);
        wheel(page, -120);
        QCOMPARE(w->scrollPosition(), 10);
        wheel(page, 120);
        QCOMPARE(w->scrollPosition(), 0);
        wheel(page, 120);
        QCOMPARE(w->scrollPosition(), 0);
        wheel(page, -240);              // two notches in one event
        QCOMPARE(w->scrollPosition(), 20);
        for (int i = 0; i < 4; ++i)     // a fine-grained wheel: four events make one notch
            wheel(page, -30);
        QCOMPARE(w->scrollPosition(), 30);
        wheel(page, -60);
        QCOMPARE(w->scrollPosition(), 30);
        wheel(page, 60);                // turning back drops the half notch
        QCOMPARE(w->scrollPosition(), 30);
    }

    void manyNotchesStopAtTheBottomOfTheLayout()
    {
        auto w = TestSupport::makeWindow();
        w->navigator().GoToPage(8);
        for (int i = 0; i < 700; ++i)
            wheel(w->page(8), -120);
        const int visible = w->findChild<QScrollArea *>()->viewport()->height();
        QCOMPARE(w->scrollPosition(), 56 + 5400 - visible);
        TestSupport::trigger(*w, "N1");
        QCOMPARE(w->scrollPosition(), 0);
        QCOMPARE(w->scrollMaximum(), 1056 - visible);
    }

    void positionIsClampedWhenTheWindowGrows()
    {
        auto w = TestSupport::makeWindow();
        for (int i = 0; i < 100; ++i)
            wheel(w->page(36), -120);
        const int before = w->scrollPosition();
        QVERIFY(before > 0);
        w->resize(w->width(), w->height() + 200);
        QTest::qWait(10);
        QVERIFY(w->scrollPosition() <= w->scrollMaximum());
        QCOMPARE(w->scrollPosition(), before - 200);
    }

    void closedComboBoxNeverTakesTheWheel()
    {
        auto w = TestSupport::makeWindow();
        w->navigator().GoToPage(8);
        auto *combo = new QComboBox(w->page(8));
        combo->addItems({"0", "1", "2", "3"});
        combo->setCurrentIndex(1);
        combo->setGeometry(100, 200, 60, 24);
        combo->show();
        wheel(combo, -120);
        wheel(combo, -120);
        QCOMPARE(combo->currentIndex(), 1);
        QCOMPARE(w->scrollPosition(), 20);
        wheel(combo, 120);
        QCOMPARE(combo->currentIndex(), 1);
        QCOMPARE(w->scrollPosition(), 10);
    }

    void scrollingTextBoxScrollsItselfThenPassesTheWheelOn()
    {
        auto w = TestSupport::makeWindow();
        w->navigator().GoToPage(25);
        auto *box = new QPlainTextEdit(w->page(25));
        QStringList lines;
        for (int i = 0; i < 60; ++i)
            lines << QStringLiteral("line %1").arg(i);
        box->setPlainText(lines.join('\n'));
        box->setGeometry(40, 100, 400, 200);
        box->show();
        QScrollBar *own = box->verticalScrollBar();
        QVERIFY(own->maximum() > 0);
        wheel(box->viewport(), -120);
        QVERIFY(own->value() > 0);
        QCOMPARE(w->scrollPosition(), 0);
        for (int i = 0; i < 100 && own->value() < own->maximum(); ++i)
            wheel(box->viewport(), -120);
        QCOMPARE(own->value(), own->maximum());
        wheel(box->viewport(), -120);
        QCOMPARE(w->scrollPosition(), 10);
    }

    void pagesNotShownYetAreBuiltWhileIdle()
    {
        auto w = TestSupport::makeWindow();
        QVERIFY(!w->allPagesBuilt());          // start-up built the cover alone
        QTRY_VERIFY(w->allPagesBuilt());
        // Every page got its content once: no page holds two copies of its heading or links.
        QCOMPARE(w->page(38)->findChildren<QWidget *>("Label479").size(), 1);
        QCOMPARE(w->page(1)->findChildren<QWidget *>("rdgp1_1").size(), 1);
    }

    // Idle time is spent 3 ms at a time, by the slice's clock: with a clock that each building
    // step moves on by 1 ms, a slice takes three steps and leaves the rest.
    void anIdleSliceLastsThreeMilliseconds()
    {
        static qint64 fakeNow = 0;
        IdleSlice::setClock([] { return fakeNow; });
        const IdleSlice slice;
        fakeNow = 2'999'999;
        const bool overEarly = slice.over();
        fakeNow = 3'000'000;
        const bool overInTime = slice.over();
        fakeNow = 0;
        DeferredBuild rest;
        int steps = 0;
        for (int i = 0; i < 10; ++i)
            rest.later([&] { ++steps, fakeNow += 1'000'000; });
        const bool done = rest.run(IdleSlice().left());
        IdleSlice::setClock(nullptr);
        QVERIFY(!overEarly);
        QVERIFY(overInTime);
        QCOMPARE(steps, 3);
        QVERIFY(!done);
    }

    // A page turned to before idle time built it shows its first view at once; scrolling, or
    // idle time a slice at a time, brings the rest, and then the page is the page built whole:
    // the same widgets in the same order and places, and the view unchanged by the rest arriving.
    void firstViewIsThePageBuiltWhole_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("idle");
        QTest::addColumn<bool>("small");
        for (PageId id : TPageTable::readingOrder())
            for (bool idle : {false, true})
                QTest::addRow("%s %s", qPrintable(TPageEntry::pageName(id)), idle ? "idle" : "scroll") << int(id) << idle << false;
        // A small window (a laptop at 200 %): the first view can end above a questionnaire's first
        // text box, so that everything placed by it waits too.
        for (const Quiz::QuizRecord &record : Quiz::records())
            QTest::addRow("%s small", qPrintable(TPageEntry::pageName(record.page))) << int(record.page) << true << true;
    }
    void firstViewIsThePageBuiltWhole()
    {
        QFETCH(int, page);
        QFETCH(bool, idle);
        QFETCH(bool, small);
        auto w = TestSupport::makeWindow();
        if (small) {
            w->resize(640, 330);
            QCoreApplication::processEvents();
        }
        // A window never shown builds each page whole, at once, when it is asked for.
        if (!m_whole)
            m_whole = std::make_unique<TForm2>();
        w->navigator().GoToPage(page);
        // The status line lays itself out on its next event, as it does before a frame is painted.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QImage firstView = w->grab().toImage();
        const auto layout = [](QWidget *p) {
            QStringList widgets;
            for (QObject *child : p->children())
                if (auto *c = qobject_cast<QWidget *>(child))
                    widgets << QStringLiteral("%1 %2 %3,%4 %5x%6").arg(QLatin1String(c->metaObject()->className()),
                                   c->objectName()).arg(c->x()).arg(c->y()).arg(c->width()).arg(c->height());
            return widgets;
        };
        // Read without asking page() for it: scrolling or idle time alone must bring the rest.
        QWidget *shown = w->findChild<QStackedWidget *>("PageControl1")->currentWidget();
        const QStringList whole = layout(m_whole->page(page));
        if (idle) {
            QTRY_COMPARE(layout(shown), whole);
        } else {
            auto *bar = w->findChild<QScrollArea *>()->verticalScrollBar();
            bar->setValue(bar->maximum());
            bar->setValue(0);
            QCOMPARE(layout(shown), whole);
        }
        QCOMPARE(w->grab().toImage(), firstView);
    }

    // A first view built for a smaller window is not enough once the window has grown.
    void aPageBuiltForASmallerViewIsCompletedWhenShown()
    {
        auto w = TestSupport::makeWindow();
        w->navigator().GoToPage(12);
        w->navigator().GoToPage(13);
        auto *container = w->findChild<QStackedWidget *>("PageControl1");
        const int partial = container->widget(TPageTable::entry(12).position())->children().size();
        w->resize(w->width(), w->height() + 300);
        w->navigator().GoToPage(12);
        QVERIFY(container->currentWidget()->children().size() > partial);
    }

    void closingTheWindowEndsTheProgram()
    {
        auto w = TestSupport::makeWindow();
        QVERIFY(qApp->quitOnLastWindowClosed());
        w->CloseMainWindow();
        QVERIFY(!w->isVisible());
    }
};

PATHORA_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
