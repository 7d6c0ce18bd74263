// The questionnaire pages driven as a reader would: real radio buttons, real buttons, the box.
#include "book/quiz/records.h"
#include "ui/mainwindow.h"
#include "ui/widgets/choicegroup.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QString u(const char *s)
{
    return QString::fromUtf8(s);
}

struct PageFacts {
    PageId page;
    const char *group;     // name of question k: group + k (+ offset)
    int offset;
    int count;
    const char *button;
    const char *field;     // score field or count line
    const char *box;
};

const PageFacts kPages[] = {
    {1, "rdgp1_", 0, 33, "Button1_1", "ed_df2", "Memo1_1"},   {2, "rdgp2_", 0, 10, "Button1", "ed_df1", "Memo2_1"},
    {3, "rdgp3_", 0, 15, "Button3_1", "ed_df3", "Memo3_1"},   {4, "rdgp4_", 0, 15, "Button4_1", "ed_df4", "Memo1"},
    {5, "rdg5_", 0, 10, "Button5_1", "Label567", "Memo15"},  {6, "rdgp6_", 0, 20, "Button2", "ed_df5", "Memo6_1"},
    {7, "RadioGroup", 10, 50, "Button7_1", "ed_df6", "Memo7_1"},
};

const PageFacts &facts(PageId page)
{
    return kPages[page - 1];
}

ChoiceGroup *group(TForm2 &w, const PageFacts &f, int k)
{
    return w.page(f.page)->findChild<ChoiceGroup *>(QString::fromLatin1(f.group) + QString::number(k + f.offset));
}

void clickOption(ChoiceGroup *g, int index)
{
    QRadioButton *r = g->option(index);
    QTest::mouseClick(r, Qt::LeftButton, Qt::NoModifier, QPoint(8, r->height() / 2));
}

QString fieldText(TForm2 &w, const PageFacts &f)
{
    QWidget *field = w.page(f.page)->findChild<QWidget *>(QString::fromLatin1(f.field));
    if (auto *e = qobject_cast<QLineEdit *>(field))
        return e->text();
    return qobject_cast<QLabel *>(field)->text();
}

QString boxText(TForm2 &w, const PageFacts &f)
{
    return w.page(f.page)->findChild<QPlainTextEdit *>(QString::fromLatin1(f.box))->toPlainText();
}

QPushButton *button(TForm2 &w, const PageFacts &f)
{
    return w.page(f.page)->findChild<QPushButton *>(QString::fromLatin1(f.button));
}

} // namespace

class TestQuestionnairePages : public QObject {
    Q_OBJECT
private slots:
    // A result box has no scroll bar: the longest verdict of every band must show whole in it.
    void everyVerdictShowsWhole_data()
    {
        QTest::addColumn<int>("page");
        for (const Quiz::QuizRecord &r : Quiz::records())
            if (*r.resultBox && !r.bandStarts.isEmpty())
                QTest::addRow("TabSheet%d", r.page) << r.page;
    }
    void everyVerdictShowsWhole()
    {
        QFETCH(int, page);
        const Quiz::QuizRecord &r = *Quiz::recordFor(page);
        auto w = TestSupport::makeWindow();
        w->navigator().GoToPage(page);
        auto *box = w->page(page)->findChild<QPlainTextEdit *>(QString::fromLatin1(r.resultBox));
        QVERIFY(box);
        for (int band = 1; band <= r.bandStarts.size() + 1; ++band) {
            box->setPlainText(r.text(QStringLiteral("verdict%1").arg(band)));
            QCoreApplication::processEvents();
            QVERIFY2(box->verticalScrollBar()->maximum() == 0, qPrintable(QStringLiteral("verdict%1: %2 lines too many").arg(band).arg(box->verticalScrollBar()->maximum())));
        }
    }

    void takingATestOnScreen_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("line");
        QTest::newRow("eq") << 1 << 0 << u("158 分") << u("你就是个EQ高手，你的情绪智慧将是你事业有成的一个重要前提条件。");
        QTest::newRow("phil") << 2 << 0 << u("51 分") << u("吸引人的冒险家。适合市场开发与销售工作，适合独当一面。");
        QTest::newRow("character") << 3 << 0 << u("33 分") << QString();
        QTest::newRow("interpersonal") << 4 << 2 << u("45 分") << u("分值越高，说明您的人际交往能力越强。");
        QTest::newRow("quiz") << 5 << 1 << u("您选了10个否-------0个是 ") << u("应该全选\"否\"，你选的\"是\"越多，说明你对压力的了解越少。");
        QTest::newRow("stress") << 6 << 0 << u("20 分") << u("高压危险！你的身心正在遭受到严重伤害，必要的话该寻求专业咨询机构的协助。");
        QTest::newRow("pstri") << 7 << 3 << u("50 分") << QString();
    }
    void takingATestOnScreen()
    {
        QFETCH(int, page);
        QFETCH(int, option);
        QFETCH(QString, field);
        QFETCH(QString, line);
        auto w = TestSupport::makeWindow();
        const PageFacts &f = facts(page);
        w->navigator().GoToPage(page);

        // Everything but the last question: the box names it and nothing is written.
        for (int k = 1; k < f.count; ++k)
            clickOption(group(*w, f, k), option);
        auto seen = TestSupport::expectModal([&] { button(*w, f)->click(); });
        QVERIFY(seen.shown);
        QCOMPARE(seen.title, u("提示"));
        QCOMPARE(seen.text, QString::number(f.count) + u(",题未被选中！"));
        QCOMPARE(seen.buttons, QStringList{"OK"});
        QCOMPARE(fieldText(*w, f), QString());
        QCOMPARE(boxText(*w, f), QString());

        clickOption(group(*w, f, f.count), option);
        button(*w, f)->click();
        button(*w, f)->click();
        QCOMPARE(fieldText(*w, f), field);
        QCOMPARE(w->page(page)->findChild<QPlainTextEdit *>(f.box)->document()->blockCount(), 1);
        if (!line.isEmpty())
            QCOMPARE(boxText(*w, f), line);
        QVERIFY(!boxText(*w, f).isEmpty());

        // Going to the page that is already shown keeps everything.
        w->navigator().GoToPage(page);
        QCOMPARE(group(*w, f, 1)->itemIndex(), option);

        // Leaving and coming back starts afresh (the quiz keeps its count line).
        TestSupport::trigger(*w, "N4");
        TestSupport::trigger(*w, "N3");
        QCOMPARE(w->navigator().currentPage(), page);
        for (int k = 1; k <= f.count; ++k) {
            QCOMPARE(group(*w, f, k)->itemIndex(), -1);
            for (int i = 0; i < group(*w, f, k)->optionCount(); ++i)
                QVERIFY(!group(*w, f, k)->option(i)->isChecked());
        }
        QCOMPARE(boxText(*w, f), QString());
        QCOMPARE(fieldText(*w, f), page == 5 ? field : QString());
        seen = TestSupport::expectModal([&] { button(*w, f)->click(); });
        QVERIFY(seen.text.startsWith(u("1,2,3,")));
    }

    void scoreFieldsAreEditableExceptTheInterpersonalOne_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("editable");
        QTest::newRow("eq") << 1 << true;
        QTest::newRow("phil") << 2 << true;
        QTest::newRow("interpersonal") << 4 << false;
        QTest::newRow("pstri") << 7 << true;
    }
    void scoreFieldsAreEditableExceptTheInterpersonalOne()
    {
        QFETCH(int, page);
        QFETCH(bool, editable);
        auto w = TestSupport::makeWindow();
        w->navigator().GoToPage(page);
        auto *edit = w->page(page)->findChild<QLineEdit *>(facts(page).field);
        edit->setFocus();
        QTest::keyClicks(edit, "12");
        QCOMPARE(edit->text(), editable ? QStringLiteral("12") : QString());
    }

    void theReaderCanMoveButNeverClearAnAnswer()
    {
        ChoiceGroup g(QStringLiteral("1.question"), {"A", "B", "C"}, 3);
        g.show();
        g.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&g));
        QSignalSpy chosen(&g, &ChoiceGroup::readerChose);
        QCOMPARE(g.itemIndex(), -1);
        clickOption(&g, 1);
        QCOMPARE(g.itemIndex(), 1);
        clickOption(&g, 1);                        // clicking the chosen option again
        QCOMPARE(g.itemIndex(), 1);
        clickOption(&g, 2);
        QCOMPARE(g.itemIndex(), 2);
        g.option(2)->setFocus();
        QTest::keyClick(g.option(2), Qt::Key_Left);  // the keyboard moves the choice too
        QCOMPARE(g.itemIndex(), 1);
        QCOMPARE(chosen.size(), 3);
        QCOMPARE(chosen.last().first().toInt(), 1);
        g.setItemIndex(-1);                        // a program write runs no handler
        g.setItemIndex(0);
        g.setItemIndex(-1);
        QCOMPARE(g.itemIndex(), -1);
        QCOMPARE(chosen.size(), 3);
    }
};

PATHORA_TEST_MAIN(TestQuestionnairePages)
#include "tst_questionnairepages.moc"
