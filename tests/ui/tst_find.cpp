// Find in the book on the real window: the keys, what a search changes and what it does not, and
// landing on a match in view.
#include "book/texts.h"
#include "testsupport.h"
#include "ui/mainwindow.h"
#include "ui/widgets/choicegroup.h"
#include "ui/widgets/findbar.h"

#include <QAccessible>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>

namespace {

QString u(const char *s)
{
    return QString::fromUtf8(s);
}

// Chinese reaches a field as committed input-method text.
void type(QWidget *w, const QString &text)
{
    QInputMethodEvent typed;
    typed.setCommitString(text);
    QApplication::sendEvent(w, &typed);
}

// A phrase from the last line of an entry of a built-in text file.
QString phraseFrom(const QString &file, const QString &key, int length = 10)
{
    const QString line = TextData::text(file, key).split(QLatin1Char('\n')).last().trimmed();
    return line.mid(qMax<qsizetype>(0, line.size() - length - 6), length);
}

} // namespace

class TestFind : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TForm2> m_window;

    // Made when first opened.
    FindBar *bar() const { return m_window->findChild<FindBar *>(); }
    bool barShown() const { return bar() && bar()->isVisible(); }
    QLineEdit *field() const { return bar()->field(); }
    QScrollArea *clientArea() const { return m_window->findChild<QScrollArea *>(); }
    QLabel *status() const { return bar()->findChild<QLabel *>(QStringLiteral("FindStatus")); }

    // Opens the bar with Ctrl+F and types a query in place of the last.
    void search(const QString &query)
    {
        QTest::keyClick(m_window.get(), Qt::Key_F, Qt::ControlModifier);
        field()->clear();
        type(field(), query);
    }

    // The part of a rectangle of `w` that lies in the window's visible client area.
    bool inView(QWidget *w, const QRect &rect) const
    {
        QWidget *viewport = clientArea()->viewport();
        const QRect r(w->mapTo(viewport, rect.topLeft()), rect.size());
        return viewport->rect().contains(r) && w->isVisible();
    }

private slots:
    void initTestCase() { m_window = TestSupport::makeWindow(); }
    void cleanupTestCase() { m_window.reset(); }
    void init()
    {
        QTest::keyClick(m_window.get(), Qt::Key_Escape);
        m_window->navigator().GoHome();
        m_window->activateWindow();
        m_window->setFocus();
    }

    void keysOpenTheBarAndEscClosesIt_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("page");   // with the focus in its first article box, when it has one
        QTest::newRow("Ctrl+F") << int(Qt::Key_F) << int(Qt::ControlModifier) << 36;
        QTest::newRow("slash") << int(Qt::Key_Slash) << int(Qt::NoModifier) << 36;
        QTest::newRow("slash in a read-only article") << int(Qt::Key_Slash) << int(Qt::NoModifier) << 12;
    }
    void keysOpenTheBarAndEscClosesIt()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, page);
        m_window->navigator().GoToPage(page);
        if (auto *box = m_window->page(page)->findChild<QPlainTextEdit *>(QStringLiteral("ArticleBox1")))
            box->setFocus();
        const QSize size = m_window->frameGeometry().size();
        QVERIFY(!barShown());
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : m_window.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(barShown());
        QCOMPARE(QApplication::focusWidget(), field());
        QCOMPARE(m_window->frameGeometry().size(), size);
        QTest::keyClick(field(), Qt::Key_Escape);
        QVERIFY(!barShown());
    }

    // In a field that takes typing, "/" is text.
    void slashIsTextInAnEditableBox()
    {
        m_window->navigator().GoToPage(23);
        auto *box = m_window->page(23)->findChild<QPlainTextEdit *>(QStringLiteral("ArticleBox3"));
        box->setFocus();
        box->moveCursor(QTextCursor::End);
        QTest::keyClick(box, Qt::Key_Slash);
        QVERIFY(!barShown());
        QVERIFY(box->toPlainText().endsWith(QLatin1Char('/')));
        box->textCursor().deletePreviousChar();
    }

    void emptyOrUnmatchedQueriesChangeNothing_data()
    {
        QTest::addColumn<QString>("query");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks") << u("　 ");
        QTest::newRow("absent") << u("量子色动力学");
    }
    void emptyOrUnmatchedQueriesChangeNothing()
    {
        QFETCH(QString, query);
        m_window->navigator().GoToPage(2);
        auto *group = m_window->page(2)->findChild<ChoiceGroup *>(QStringLiteral("rdgp2_1"));
        group->option(1)->click();
        clientArea()->verticalScrollBar()->setValue(300);
        search(query);
        QTest::keyClick(field(), Qt::Key_Return);
        QTest::keyClick(field(), Qt::Key_F3);
        QCOMPARE(status()->text(), u("没有找到匹配的内容"));
        QVERIFY(!bar()->results()->isVisible());
        QCOMPARE(m_window->navigator().currentPage(), 2);
        QCOMPARE(m_window->scrollPosition(), 300);
        QCOMPARE(group->itemIndex(), 1);
    }

    // Choosing a match lands on it in view and marks it: a selection in a text box (scrolled in
    // its own box on the interview page), a highlight on a label or an option.
    void aChosenMatchIsMarkedInView_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("page");
        QTest::newRow("deep in the interview box") << phraseFrom(":/data/articles/TabSheet25.txt", "box1") << 25;
        QTest::newRow("article text far down") << phraseFrom(":/data/articles/TabSheet15.txt", "box1") << 15;
        QTest::newRow("option of the last Phil question") << phraseFrom(":/data/phil.txt", "q10.opts", 6) << 2;
        QTest::newRow("orientation prompt") << phraseFrom(":/data/orientation.txt", "q58", 6) << 9;
        QTest::newRow("full-width query, heading") << u("ＰＳＴＲＩ压力测试问卷") << 7;
    }
    void aChosenMatchIsMarkedInView()
    {
        QFETCH(QString, query);
        QFETCH(int, page);
        search(query);
        QCOMPARE(bar()->hits().size(), 1);
        QTest::keyClick(field(), Qt::Key_Down);
        QTest::keyClick(bar()->results(), Qt::Key_Return);
        QCOMPARE(m_window->navigator().currentPage(), page);
        QWidget *p = m_window->page(page);
        if (auto *mark = p->findChild<QWidget *>(QStringLiteral("FindMark"))) {
            QVERIFY(qobject_cast<QLabel *>(mark->parentWidget()) || qobject_cast<QRadioButton *>(mark->parentWidget()));
            QVERIFY(inView(mark->parentWidget(), mark->geometry()));
        } else {
            QPlainTextEdit *box = nullptr;
            for (QPlainTextEdit *b : p->findChildren<QPlainTextEdit *>())
                if (b->textCursor().hasSelection())
                    box = b;
            QVERIFY(box);
            QCOMPARE(BookIndex::fold(box->textCursor().selectedText()), BookIndex::fold(query));
            const QRect cursor = box->cursorRect();
            QVERIFY(box->viewport()->rect().contains(cursor));
            QVERIFY(inView(box->viewport(), cursor));
            if (page == 25)
                QVERIFY(box->verticalScrollBar()->value() > 0);
        }
        // The mark lasts until the next search.
        type(field(), u("的"));
        QVERIFY(!p->findChild<QWidget *>(QStringLiteral("FindMark")));
        for (QPlainTextEdit *b : p->findChildren<QPlainTextEdit *>())
            QVERIFY(!b->textCursor().hasSelection());
    }

    // A verdict shows only once the test is finished: its match leads to the result box.
    void aVerdictLeadsToTheResultBox()
    {
        search(phraseFrom(":/data/eq.txt", "verdict2"));
        QTest::keyClick(field(), Qt::Key_Return);
        QCOMPARE(m_window->navigator().currentPage(), 1);
        QWidget *box = m_window->page(1)->findChild<QPlainTextEdit *>(QStringLiteral("Memo1_1"));
        QVERIFY(inView(box, QRect(0, 0, box->width(), box->height() / 2)));
    }

    // A match is reached like a link: the current questionnaire keeps its answers, one entered
    // anew starts empty.
    void questionnaireAnswersSurviveOnlyOnTheCurrentPage()
    {
        m_window->navigator().GoToPage(2);
        auto *group = m_window->page(2)->findChild<ChoiceGroup *>(QStringLiteral("rdgp2_1"));
        group->option(2)->click();
        search(phraseFrom(":/data/phil.txt", "q10.opts", 6));
        QTest::keyClick(field(), Qt::Key_Return);
        QCOMPARE(m_window->navigator().currentPage(), 2);
        QCOMPARE(group->itemIndex(), 2);

        search(u("自我介绍"));
        QTest::keyClick(field(), Qt::Key_Return);
        QVERIFY(m_window->navigator().currentPage() != 2);
        search(phraseFrom(":/data/phil.txt", "q10.opts", 6));
        QTest::keyClick(field(), Qt::Key_Return);
        QCOMPARE(m_window->navigator().currentPage(), 2);
        QCOMPARE(group->itemIndex(), -1);
    }

    void f3StepsThroughMatchesAcrossPages()
    {
        search(u("自我介绍"));
        QVector<PageId> pages;
        for (const FindHit &hit : bar()->hits())
            pages << BookIndex::book().place(hit.place).page;
        QVERIFY(pages.size() >= 2 && pages.first() != pages.last());
        for (PageId expected : pages) {
            QTest::keyClick(m_window.get(), Qt::Key_F3);
            QCOMPARE(m_window->navigator().currentPage(), expected);
        }
        QTest::keyClick(m_window.get(), Qt::Key_F3);
        QCOMPARE(m_window->navigator().currentPage(), pages.first());
        QTest::keyClick(m_window.get(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(m_window->navigator().currentPage(), pages.last());
    }

    void theContentsFieldOpensTheBarWithItsText()
    {
        m_window->navigator().GoToContents();
        auto *own = m_window->page(kContentsPage)->findChild<QLineEdit *>(QStringLiteral("SearchBook"));
        own->setFocus();
        type(own, u("ＳＴＡＲ"));
        QTest::keyClick(own, Qt::Key_Return);
        QVERIFY(barShown());
        QCOMPARE(field()->text(), u("ＳＴＡＲ"));
        QCOMPARE(bar()->hits().size(), BookIndex::book().find(u("star")).size());
        QVERIFY(bar()->results()->isVisible());
        QCOMPARE(m_window->navigator().currentPage(), kContentsPage);
    }

    // The bar and its list are reached from the keyboard and carry names for screen readers.
    void theBarIsNamedAndReachedByTab()
    {
        search(u("面试"));
        for (QWidget *w : {static_cast<QWidget *>(field()), static_cast<QWidget *>(bar()->results())}) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
            QVERIFY(a && !a->text(QAccessible::Name).isEmpty());
        }
        QTest::keyClick(field(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), bar()->results());
        QVERIFY(bar()->results()->model()->rowCount() > 1);
    }
};

PATHORA_TEST_MAIN(TestFind)
#include "tst_find.moc"
