// The three career tests on their pages: coupled score boxes and the aptitude tally.
#include "ui/mainwindow.h"
#include "ui/widgets/choicegroup.h"
#include "book/quiz/records.h"
#include "recordingview.h"
#include "testsupport.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>

namespace {

QString u(const char *s)
{
    return QString::fromUtf8(s);
}

} // namespace

class TestCareerTests : public QObject {
    Q_OBJECT
private slots:
    void scoreBoxesOnThePage()
    {
        auto w = TestSupport::makeWindow();
        w->navigator().GoToPage(8);
        QWidget *page = w->page(8);
        auto *a1 = page->findChild<QComboBox *>("cmbA1");
        auto *b1 = page->findChild<QComboBox *>("cmbB1");
        QVERIFY(a1 && b1 && page->findChild<QComboBox *>("cmbI7") && page->findChild<QComboBox *>("cmbH9"));
        QCOMPARE(a1->count(), 4);
        QVERIFY(a1->isEditable());

        // A pick from the list sets the partner; the partner's box follows its text.
        a1->setFocus();
        QTest::keyClick(a1, Qt::Key_Down);
        QCOMPARE(a1->currentText(), QStringLiteral("0"));
        QCOMPARE(b1->currentText(), QStringLiteral("3"));
        QCOMPARE(b1->currentIndex(), 3);

        // Typing runs the change step for each edit.
        b1->lineEdit()->selectAll();
        QTest::keyClicks(b1->lineEdit(), "2");
        QCOMPARE(a1->currentText(), QStringLiteral("1"));
        QCOMPARE(a1->currentIndex(), 1);

        // Letters give the standard error box and change nothing else.
        auto seen = TestSupport::expectModal([&] { QTest::keyClicks(b1->lineEdit(), "x"); });
        QVERIFY(seen.shown);
        QCOMPARE(seen.title, QStringLiteral("Pathora"));
        QCOMPARE(seen.text, QStringLiteral("'2x' is not a valid integer value."));
        QVERIFY(seen.errorIcon);
        QCOMPARE(b1->currentText(), QStringLiteral("2x"));
        QCOMPARE(a1->currentText(), QStringLiteral("1"));

        // A long paste is cut to the longest whole number a box can read: one error box, not 300.
        QGuiApplication::clipboard()->setText(QString(300, QLatin1Char('7')));
        b1->lineEdit()->selectAll();
        seen = TestSupport::expectModal([&] { b1->lineEdit()->paste(); });
        QCOMPARE(seen.count, 1);
        QCOMPARE(b1->currentText(), QString(11, QLatin1Char('7')));

        // Finish with one pair answered: the message; leaving and coming back: all empty, no box.
        seen = TestSupport::expectModal([&] { page->findChild<QPushButton *>("Button3")->click(); });
        QCOMPARE(seen.text, u("部分题目未被选中,请检查"));
        seen = TestSupport::expectModal([&] {
            TestSupport::trigger(*w, "N4");
            TestSupport::trigger(*w, "N3");
        });
        QVERIFY(!seen.shown);
        for (QComboBox *box : page->findChildren<QComboBox *>()) {
            QCOMPARE(box->currentText(), QString());
            QCOMPARE(box->currentIndex(), -1);
        }
        QCOMPARE(page->findChildren<QComboBox *>().size(), 72);
    }

    void aptitudeOnThePage()
    {
        auto w = TestSupport::makeWindow();
        w->navigator().GoToPage(10);
        QWidget *page = w->page(10);
        QVERIFY(!page->findChild<ChoiceGroup *>("RadioGroup130"));
        QVector<int> answers(23);
        QRandomGenerator random(3);
        for (int k = 23; k >= 1; --k) {
            const QString name = QStringLiteral("RadioGroup%1").arg(k <= 9 ? 120 + k : 121 + k);
            auto *g = page->findChild<ChoiceGroup *>(name);
            QVERIFY2(g, qPrintable(name));
            answers[k - 1] = int(random.bounded(2));
            QRadioButton *r = g->option(answers[k - 1]);
            QTest::mouseClick(r, Qt::LeftButton, Qt::NoModifier, QPoint(8, r->height() / 2));
        }
        auto *button = page->findChild<QPushButton *>("Button4");
        QCOMPARE(button->text(), u("计算总分"));
        button->click();
        // The page shows what the model adds up from the same answers.
        auto model = Quiz::makeQuestionnaire(*Quiz::recordFor(10));
        RecordingView view;
        for (int k = 1; k <= 23; ++k)
            model->select(k, answers[k - 1]);
        model->Finish(view);
        for (int n = 48; n <= 53; ++n) {
            const QString field = QStringLiteral("Edit%1").arg(n);
            QVERIFY(!view.fields.value(field).isEmpty());
            QCOMPARE(page->findChild<QLineEdit *>(field)->text(), view.fields.value(field));
        }
    }
};

PATHORA_TEST_MAIN(TestCareerTests)
#include "tst_careertests.moc"
