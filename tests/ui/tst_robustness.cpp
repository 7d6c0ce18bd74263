// A reader in a hurry: random page changes, links, answers, typed nonsense, wheel turns and
// button presses, in any order. Nothing may crash, hang or leave the window inconsistent.
#include "ui/mainwindow.h"
#include "book/linktable.h"
#include "ui/widgets/choicegroup.h"
#include "ui/widgets/linklabel.h"
#include "testsupport.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSet>
#include <QStackedWidget>
#include <QTest>
#include <QUrl>

namespace {

// Swallows web addresses so that no browser starts during the test.
class UrlSink : public QObject {
    Q_OBJECT
public:
    int opened = 0;
public slots:
    void open(const QUrl &) { ++opened; }
};

template <typename T>
T *any(QWidget *page, QRandomGenerator &random)
{
    const QList<T *> all = page->findChildren<T *>();
    return all.isEmpty() ? nullptr : all.at(int(random.bounded(qsizetype(all.size()))));
}

} // namespace

class TestRobustness : public QObject {
    Q_OBJECT
private slots:
    void aReaderInAHurry()
    {
        UrlSink sink;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &sink, "open");
        auto w = TestSupport::makeWindow();
        auto *container = w->findChild<QStackedWidget *>("PageControl1");
        QRandomGenerator random(424242);
        int boxes = 0;
        QSet<PageId> visited;
        const char *nonsense[] = {"", "x", "-", "7", "３", "1e3", " 2", "99999999999", "-2147483648", "２"};

        for (int step = 0; step < 600; ++step) {
            QWidget *page = w->page(w->navigator().currentPage());
            const int action = int(random.bounded(8));
            const auto seen = TestSupport::expectModal([&] {
                switch (action) {
                case 0: {
                    const char *menu[] = {"N1", "N2", "N3", "N4"};
                    TestSupport::trigger(*w, menu[random.bounded(4)]);
                    break;
                }
                case 1:
                    w->navigator().GoToPage(int(random.bounded(1, kPageCount + 1)));
                    break;
                case 2:
                    if (LinkLabel *link = any<LinkLabel>(page, random))
                        if (TLinkTable::row(link->link()).kind != TLinkKind::ExitLink)
                            QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
                    break;
                case 3:
                    if (ChoiceGroup *g = any<ChoiceGroup>(page, random))
                        g->option(int(random.bounded(g->optionCount())))->click();
                    break;
                case 4:
                    if (QComboBox *box = any<QComboBox>(page, random)) {
                        box->lineEdit()->selectAll();
                        QTest::keyClicks(box->lineEdit(), QString::fromUtf8(nonsense[random.bounded(10)]));
                    }
                    break;
                case 5:
                    if (QLineEdit *edit = any<QLineEdit>(page, random))
                        QTest::keyClicks(edit, "12a");
                    break;
                case 6:
                    if (QPushButton *button = any<QPushButton>(page, random))
                        button->click();
                    break;
                default:
                    TestSupport::wheel(page, int(random.bounded(-600, 600)));
                    break;
                }
            });

            boxes += seen.shown;
            const PageId current = w->navigator().currentPage();
            visited.insert(current);
            QCOMPARE(container->currentWidget(), w->page(current));
            QCOMPARE(container->height(), TPageTable::entry(current).layoutHeight);
            QVERIFY(w->scrollPosition() >= 0 && w->scrollPosition() <= w->scrollMaximum());
            QVERIFY(w->isVisible());
        }
        // The walk really went places and met the program's messages and error boxes.
        QVERIFY(visited.size() >= 30);
        QVERIFY(boxes >= 10);
        QVERIFY(sink.opened > 0);
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }
};

QTEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
