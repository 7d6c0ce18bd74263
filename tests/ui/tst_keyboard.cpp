// The book without a mouse, and through a screen reader: Tab reaches every link and control of
// the page in reading order and stays there, the window keys scroll and turn pages, and every
// link tells a screen reader its role, its name and how to press it.
#include "ui/mainwindow.h"
#include "ui/widgets/choicegroup.h"
#include "ui/widgets/linklabel.h"
#include "ui/widgets/resultchart.h"
#include "testsupport.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

namespace {

class UrlSink : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl &url) { opened << url.toString(); }
};

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TForm2> m_window;
    UrlSink m_sink;

    QWidget *focus() const { return QApplication::focusWidget(); }
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(focus(), Qt::Key(k), m); }

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_sink, "open");
        m_window = TestSupport::makeWindow();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanupTestCase()
    {
        m_window.reset();
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }

    void pages_data()
    {
        QTest::addColumn<int>("page");
        for (PageId id = 1; id <= kPageCount; ++id)
            QTest::addRow("TabSheet%d", id) << id;
    }

    // Tab from the page goes through its links and controls top to bottom and never leaves it.
    void tabStaysOnThePageInReadingOrder_data() { pages_data(); }
    void tabStaysOnThePageInReadingOrder()
    {
        QFETCH(int, page);
        m_window->navigator().GoToPage(page);
        QWidget *p = m_window->page(page);
        QCOMPARE(focus(), p);
        const int links = int(p->findChildren<LinkLabel *>().size());
        int seenLinks = 0, lastTop = -1;
        for (int i = 0; i < 400; ++i) {
            key(Qt::Key_Tab);
            QWidget *w = focus();
            QVERIFY2(w && (w == p || p->isAncestorOf(w)), "Tab left the page");
            if (w == p || (qobject_cast<LinkLabel *>(w) && seenLinks == links))
                break;
            const int top = w->mapTo(p, QPoint()).y();
            QVERIFY2(top >= lastTop - 30, qPrintable(w->objectName()));   // a row's options share a line
            lastTop = qMax(lastTop, top);
            if (qobject_cast<LinkLabel *>(w))
                ++seenLinks;
            // In view, with some room around it.
            const QRect inView(w->mapTo(m_window->findChild<QScrollArea *>()->viewport(), QPoint()), w->size());
            QVERIFY2(m_window->findChild<QScrollArea *>()->viewport()->rect().intersects(inView), qPrintable(w->objectName()));
        }
        QCOMPARE(seenLinks, links);
    }

    // Every link a screen reader meets: the link role, a name and a press that does what a click does.
    void linksSpeakAndPress_data() { pages_data(); }
    void linksSpeakAndPress()
    {
        QFETCH(int, page);
        m_window->navigator().GoToPage(page);
        for (LinkLabel *link : m_window->page(page)->findChildren<LinkLabel *>()) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(link);
            QVERIFY(a);
            QCOMPARE(a->role(), QAccessible::Link);
            QVERIFY2(!a->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(link->objectName()));
            QVERIFY(a->actionInterface());
            QVERIFY(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        }
        // Named questions and fields.
        for (ChoiceGroup *g : m_window->page(page)->findChildren<ChoiceGroup *>()) {
            QVERIFY2(!g->accessibleName().isEmpty(), qPrintable(g->objectName()));
            QCOMPARE(QAccessible::queryAccessibleInterface(g)->role(), QAccessible::Grouping);
        }
        for (QLineEdit *e : m_window->page(page)->findChildren<QLineEdit *>())
            if (e->parentWidget() == m_window->page(page))
                QVERIFY2(!QAccessible::queryAccessibleInterface(e)->text(QAccessible::Name).isEmpty(),
                         qPrintable(e->objectName()));
    }

    void pressingALinkFollowsIt()
    {
        m_window->navigator().GoToPage(kContentsPage);
        auto *eq = m_window->page(kContentsPage)->findChild<LinkLabel *>(QStringLiteral("Label465"));
        QAccessible::queryAccessibleInterface(eq)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(m_window->navigator().currentPage(), 1);
        m_sink.opened.clear();
        auto *brand = m_window->page(1)->findChild<LinkLabel *>(QStringLiteral("Label149"));
        QAccessible::queryAccessibleInterface(brand)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(m_sink.opened.size(), 1);
    }

    // From the contents page to a scored EQ test without the mouse.
    void aQuestionnaireByKeyboardAlone()
    {
        m_window->navigator().GoToPage(kContentsPage);
        while (!(qobject_cast<LinkLabel *>(focus()) && static_cast<QLabel *>(focus())->objectName() == "Label465"))
            key(Qt::Key_Tab);
        key(Qt::Key_Return);
        QCOMPARE(m_window->navigator().currentPage(), 1);
        QWidget *page = m_window->page(1);
        for (int k = 1; k <= 33; ++k) {
            auto *group = page->findChild<ChoiceGroup *>(QStringLiteral("rdgp1_%1").arg(k));
            group->option(0)->setFocus(Qt::TabFocusReason);
            key(Qt::Key_Space);                    // Space chooses, the arrows move the choice
            QCOMPARE(group->itemIndex(), 0);
            key(Qt::Key_Right);
            QCOMPARE(group->itemIndex(), 1);
        }
        auto *finish = page->findChild<QPushButton *>(QStringLiteral("Button1_1"));
        finish->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Return);
        auto *score = page->findChild<QLineEdit *>(QStringLiteral("ed_df2"));
        QVERIFY(!score->text().isEmpty());
        // The result is where the reader now is: its box or its score field.
        QVERIFY(focus() == score || focus() == page->findChild<QWidget *>(QStringLiteral("Memo1_1")));
    }

    void windowKeysScrollAndTurnPages()
    {
        m_window->navigator().GoToPage(25);
        auto *box = m_window->page(25)->findChild<QWidget *>(QStringLiteral("ArticleBox1"));
        QScrollBar *bar = m_window->findChild<QScrollArea *>()->verticalScrollBar();
        m_window->page(25)->setFocus();
        key(Qt::Key_PageDown);
        QVERIFY(bar->value() > 0);
        key(Qt::Key_Home);
        QCOMPARE(bar->value(), 0);
        key(Qt::Key_End);
        QCOMPARE(bar->value(), bar->maximum());
        key(Qt::Key_Space, Qt::ShiftModifier);
        QVERIFY(bar->value() < bar->maximum());
        // A click into the interview text does not take the keys away: its own bar scrolls first.
        QTest::mouseClick(static_cast<QAbstractScrollArea *>(box)->viewport(), Qt::LeftButton);
        QScrollBar *own = static_cast<QAbstractScrollArea *>(box)->verticalScrollBar();
        const int before = own->value();
        key(Qt::Key_PageDown);
        QVERIFY(own->value() > before);
        key(Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(m_window->navigator().currentPage(), int(TPageTable::next(25)));
        key(Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(m_window->navigator().currentPage(), 25);
        key(Qt::Key_Home, Qt::AltModifier);
        QCOMPARE(m_window->navigator().currentPage(), int(kStartPage));
    }

    // A column chart's letters, reached without the mouse: the arrows go round, Return and Space
    // show the picked one as a click does; other charts leave the keys to the window.
    void chartLettersByKeys()
    {
        ResultChart chart;
        Quiz::ChartModel m;
        m.kind = Quiz::ChartModel::Kind::Columns;
        for (const char *letter : {"R", "I", "A"})
            m.items.append({QString::fromLatin1(letter), 1, 3, {}, 0});
        chart.setModel(m);
        QSignalSpy shown(&chart, &ResultChart::letterClicked);
        for (int k : {Qt::Key_Right, Qt::Key_Return, Qt::Key_Left, Qt::Key_Left, Qt::Key_Space})
            QTest::keyClick(&chart, Qt::Key(k));
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0][0].toString(), QStringLiteral("I"));
        QCOMPARE(shown[1][0].toString(), QStringLiteral("A"));
        m.kind = Quiz::ChartModel::Kind::Bars;
        chart.setModel(m);
        QTest::keyClick(&chart, Qt::Key_Return);
        QCOMPARE(shown.size(), 2);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
