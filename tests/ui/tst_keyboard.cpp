// The book without a mouse, and through a screen reader: Tab reaches every link and control of
// the page in reading order and stays there, the window keys scroll and turn pages, and every
// link tells a screen reader its role, its name and how to press it.
#include "ui/mainwindow.h"
#include "ui/widgets/choicegroup.h"
#include "ui/widgets/linklabel.h"
#include "ui/widgets/resultchart.h"
#include "testsupport.h"

#include <QAccessible>
#include <QLabel>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <cmath>

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
        // The result is where the reader now is, and the first thing a screen reader says: a
        // control named by the score, described by the verdict.
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(focus());
        QVERIFY(heard->text(QAccessible::Name).contains(score->text()));
        const QString verdict = page->findChild<QPlainTextEdit *>(QStringLiteral("Memo1_1"))->toPlainText();
        QVERIFY(!verdict.isEmpty());
        QVERIFY(heard->text(QAccessible::Description).contains(verdict));
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
        QCOMPARE(m_window->navigator().currentPage(), 26);
        key(Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(m_window->navigator().currentPage(), 25);
        key(Qt::Key_Home, Qt::AltModifier);
        QCOMPARE(m_window->navigator().currentPage(), int(kStartPage));
        key(Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(m_window->navigator().currentPage(), int(kContentsPage));
    }

    // The window keys' steps: a page less two lines of overlap, a line of 10 pixels.
    void scrollSteps_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("fromViewport");   // the step is the viewport's height plus this
        QTest::addColumn<int>("pixels");         // or, when the above is 0, this many pixels
        QTest::newRow("PgDn") << int(Qt::Key_PageDown) << -40 << 0;
        QTest::newRow("Space") << int(Qt::Key_Space) << -40 << 0;
        QTest::newRow("Down") << int(Qt::Key_Down) << 0 << 10;
    }
    void scrollSteps()
    {
        QFETCH(int, key);
        QFETCH(int, fromViewport);
        QFETCH(int, pixels);
        m_window->navigator().GoToPage(25);
        m_window->page(25)->setFocus();
        auto *area = m_window->findChild<QScrollArea *>();
        area->verticalScrollBar()->setValue(100);
        this->key(key);
        QCOMPARE(area->verticalScrollBar()->value(), 100 + (fromViewport ? area->viewport()->height() + fromViewport : pixels));
    }

    // Keys that scroll the window belong to an editable field while it has the focus.
    void editableFieldsKeepTheirKeys_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("field");
        QTest::newRow("line edit") << 1 << "ed_df2";
        QTest::newRow("editable combo box") << 8 << "cmbA1";
        QTest::newRow("editable text box") << 23 << "ArticleBox1";
        QTest::newRow("find field") << 0 << "FindField";
    }
    void editableFieldsKeepTheirKeys()
    {
        QFETCH(int, page);
        QFETCH(QString, field);
        m_window->navigator().GoToPage(page ? page : 25);
        if (!page)
            QTest::keyClick(m_window.get(), Qt::Key_F, Qt::ControlModifier);
        QWidget *w = (page ? static_cast<QObject *>(m_window->page(page)) : m_window.get())->findChild<QWidget *>(field);
        QVERIFY(w);
        w->setFocus(Qt::OtherFocusReason);
        QScrollBar *bar = m_window->findChild<QScrollArea *>()->verticalScrollBar();
        bar->setValue(200);
        for (int k : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown, Qt::Key_Space}) {
            QTest::keyClick(focus(), Qt::Key(k));
            QVERIFY2(bar->value() == 200, qPrintable(QKeySequence(k).toString()));
        }
        if (!page)
            QTest::keyClick(focus(), Qt::Key_Escape);
    }

    // Tab goes through a row left to right: the footer links of the last page.
    void tabGoesLeftToRightInARow()
    {
        m_window->navigator().GoToPage(35);
        QStringList footer;
        for (int i = 0; i < 40 && footer.size() < 3; ++i) {
            key(Qt::Key_Tab);
            auto *label = qobject_cast<QLabel *>(focus());
            if (label && (!footer.isEmpty() || label->text() == QStringLiteral("上一页")))
                footer << label->text();
        }
        QCOMPARE(footer, QStringList({QStringLiteral("上一页"), QStringLiteral("目录页"), QStringLiteral("退出")}));
    }

    // A question is one Tab stop, entered at its choice (the first option while none); the arrows,
    // whichever way, move round its options and choose.
    void aQuestionIsOneStopAndTheArrowsChoose()
    {
        m_window->navigator().GoToPage(1);
        QWidget *page = m_window->page(1);
        auto *first = page->findChild<ChoiceGroup *>(QStringLiteral("rdgp1_1"));
        auto *second = page->findChild<ChoiceGroup *>(QStringLiteral("rdgp1_2"));
        for (int i = 0; i < 40 && focus()->parentWidget() != first; ++i)
            key(Qt::Key_Tab);
        QCOMPARE(focus(), first->option(0));
        QCOMPARE(first->itemIndex(), -1);
        key(Qt::Key_Tab);
        QCOMPARE(focus(), second->option(0));
        key(Qt::Key_Down);
        QCOMPARE(second->itemIndex(), 1);
        QCOMPARE(focus(), second->option(1));
        key(Qt::Key_Up);
        key(Qt::Key_Left);
        const int last = second->optionCount() - 1;
        QCOMPARE(second->itemIndex(), last);
        key(Qt::Key_Right);
        QCOMPARE(second->itemIndex(), 0);
        key(Qt::Key_Left);
        key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focus(), first->option(0));
        key(Qt::Key_Tab);
        QCOMPARE(focus(), second->option(last));
    }

    // The box of an incomplete Finish closed, the reader is at the first open question.
    void anIncompleteFinishLeadsToTheFirstOpenQuestion()
    {
        m_window->navigator().GoToPage(1);
        QWidget *page = m_window->page(1);
        for (int k = 1; k <= 33; ++k)
            if (k != 29 && k != 31)
                page->findChild<ChoiceGroup *>(QStringLiteral("rdgp1_%1").arg(k))->option(1)->click();
        auto *finish = page->findChild<QPushButton *>(QStringLiteral("Button1_1"));
        const TestSupport::ModalSeen seen = TestSupport::expectModal([&] { QTest::mouseClick(finish, Qt::LeftButton); });
        QVERIFY2(seen.text.startsWith(QStringLiteral("29,31,")), qPrintable(seen.text));
        // The window's focus, which it takes again once the box has gone.
        QCOMPARE(m_window->focusWidget(), page->findChild<ChoiceGroup *>(QStringLiteral("rdgp1_29"))->option(0));
    }

    // What a control shows is in its accessible name: a speech-input user says what is seen.
    void namesHoldWhatControlsShow_data() { pages_data(); }
    void namesHoldWhatControlsShow()
    {
        QFETCH(int, page);
        m_window->navigator().GoToPage(page);
        for (QWidget *w : m_window->page(page)->findChildren<QWidget *>()) {
            QString shown;
            if (auto *label = qobject_cast<QLabel *>(w))
                shown = label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                shown = button->text();
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
            if (shown.simplified().isEmpty() || a->role() == QAccessible::Separator)
                continue;
            const QString name = a->text(QAccessible::Name);
            QVERIFY2(name.simplified().contains(shown.simplified()), qPrintable(shown + QStringLiteral(" / ") + name));
        }
    }

    // A reader who lands on a page hears its name: the heading, or what the cover and the advert
    // pages are.
    void pagesAreNamed_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addRow("cover") << 36 << QStringLiteral("首页");
        QTest::addRow("advert") << 19 << QStringLiteral("Norwell“启航”大学生职业护照计划");
        QTest::addRow("contents") << 38 << QStringLiteral("目录");
        QTest::addRow("heading with a trailing blank") << 8 << QStringLiteral("事业驱策力标准测试");
    }
    void pagesAreNamed()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        m_window->navigator().GoToPage(page);
        QCOMPARE(QAccessible::queryAccessibleInterface(m_window->page(page))->text(QAccessible::Name), name);
    }

    // Pictures that show words carry them (the words as the picture generator draws them).
    void picturesNameTheirWords_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("words");
        QTest::addRow("enter") << int(kStartPage) << "Image46" << QStringLiteral("进入阅读");
        QTest::addRow("site line") << int(kStartPage) << "Image48" << QStringLiteral("www.norwell.example");
    }
    void picturesNameTheirWords()
    {
        QFETCH(int, page);
        QFETCH(QString, picture);
        QFETCH(QString, words);
        QWidget *w = m_window->page(page)->findChild<QWidget *>(picture);
        QVERIFY(w);
        QVERIFY2(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).startsWith(words), qPrintable(picture));
    }

    // A field the reader writes in says so, and has a name; one only the program writes takes
    // no typing and says it is read-only.
    void fieldsTellWhetherTheReaderTypes_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("editable");
        QTest::addRow("EQ score") << 1 << "ed_df2" << true;
        QTest::addRow("interpersonal score") << 4 << "ed_df4" << false;
        QTest::addRow("driving-force total") << 8 << "Edit_a" << false;
        QTest::addRow("orientation count") << 9 << "R_edit" << true;
        QTest::addRow("aptitude total") << 10 << "Edit48" << true;
        QTest::addRow("résumé header") << 23 << "ArticleBox1" << true;
        QTest::addRow("English résumé") << 23 << "ArticleBox2" << false;
        QTest::addRow("Chinese résumé") << 23 << "ArticleBox3" << true;
    }
    void fieldsTellWhetherTheReaderTypes()
    {
        QFETCH(int, page);
        QFETCH(QString, field);
        QFETCH(bool, editable);
        m_window->navigator().GoToPage(page);
        QWidget *w = m_window->page(page)->findChild<QWidget *>(field);
        QVERIFY(w);
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        QCOMPARE(bool(a->state().readOnly), !editable);
        if (editable)
            QVERIFY(!a->text(QAccessible::Name).isEmpty());
        const QString before = a->textInterface()->text(0, a->textInterface()->characterCount());
        w->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w, Qt::Key_7);
        QCOMPARE(a->textInterface()->text(0, a->textInterface()->characterCount()) != before, editable);
    }

    // The keyboard's focus is marked 2 px wide, solid, 3:1 against the page and the question
    // cards; a click puts the mark away.
    void keyboardFocusIsMarkedClearly()
    {
        m_window->navigator().GoToPage(1);
        QWidget *page = m_window->page(1);
        auto *ring = m_window->findChild<QWidget *>(QStringLiteral("FocusRing"));
        QVERIFY(ring);
        QVERIFY(!ring->isVisible());
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        page->setFocus();
        QTest::keyClick(page, Qt::Key_Tab);
        QWidget *target = focus();
        QVERIFY(ring->isVisible());
        const QRect around(target->mapTo(ring->parentWidget(), QPoint()), target->size());
        QVERIFY(ring->geometry().contains(around) && ring->geometry() != around);
        const QImage mark = ring->grab().toImage();
        const QColor colour = mark.pixelColor(0, mark.height() / 2);
        QCOMPARE(mark.pixelColor(1, mark.height() / 2), colour);
        QCOMPARE(mark.pixelColor(mark.width() / 2, mark.height() - 1), colour);
        QVERIFY(mark.pixelColor(4, mark.height() / 2).alpha() == 0);   // only a frame
        const auto luminance = [](const QColor &c) {
            const auto channel = [](qreal v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
        };
        for (const QColor &ground : {page->palette().color(QPalette::Window), page->findChild<ChoiceGroup *>()->palette().color(QPalette::Base)}) {
            const qreal a = luminance(colour), b = luminance(ground);
            QVERIFY((qMax(a, b) + 0.05) / (qMin(a, b) + 0.05) >= 3.0);
        }
        QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!ring->isVisible());
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

PATHORA_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
