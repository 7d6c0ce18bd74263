// The program as main() starts it, driven by a script, for the records tests (run as a child
// process with its own XDG_DATA_HOME):
//   records_session fill     keeping on; half of one test answered, another finished, text typed
//                            into the résumé box, a page turned to; closed
//   records_session check    prints what the window offers after a restart, one "key: value" a line
//   records_session storm N  keeping on; answers and typing without end, printing after each step
//                            what was given ("typed N", "answered PAGE Q"), until killed
//   records_session finish   keeping on (already); finishes the stress quiz once; closed
#include "app/startup.h"
#include "book/navigator.h"
#include "records/keeper.h"
#include "ui/mainwindow.h"
#include "ui/questionnairepage.h"
#include "ui/widgets/choicegroup.h"
#include "ui/widgets/editabletextbox.h"
#include "ui/widgets/resulthistory.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

void answer(TForm2 &window, PageId page, int first, int last, int option)
{
    QWidget *w = window.page(page);
    for (ChoiceGroup *g : w->findChildren<ChoiceGroup *>()) {
        const int number = g->objectName().mid(g->objectName().lastIndexOf(QLatin1Char('_')) + 1).toInt();
        if (number >= first && number <= last)
            g->option(option)->click();
    }
}

void keepOn(TForm2 &window)
{
    QAction *keep = window.findChild<QAction *>(QStringLiteral("KeepRecords"));
    if (!keep->isChecked())
        keep->trigger();
}

QPlainTextEdit *resumeBox(TForm2 &window)
{
    return window.page(23)->findChild<EditableTextBox *>(QStringLiteral("ArticleBox3"));
}

} // namespace

int main(int argc, char **argv)
{
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    // The script's own words are not the program's options.
    int programArgc = 1;
    for (int i = 2; i < argc; ++i)
        if (QByteArray(argv[i]).startsWith("--"))
            argv[programArgc++] = argv[i];
    const int seed = argc > 2 ? QByteArray(argv[argc - 1]).toInt() : 0;
    return Startup::run(programArgc, argv, [&](QApplication &app, TForm2 &window) {
        // Every box the script meets is answered with its first button.
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                say(QStringLiteral("box: ") + box->text().simplified());
                box->buttons().first()->click();
            }
        });
        answerer.start(5);
        Records::Keeper &keeper = window.records().keeper();
        QObject::connect(&keeper, &Records::Keeper::movedAside, [](const QString &a, const QString &b) { say(QStringLiteral("aside: ") + a + QStringLiteral(" | ") + b); });
        const auto whenLoaded = [&](const std::function<void()> &step) {
            if (keeper.isLoaded())
                return QTimer::singleShot(200, step);
            // A moment later: a box the records raise once read comes first.
            QObject::connect(&keeper, &Records::Keeper::loaded, &window, [step] { QTimer::singleShot(200, step); },
                             Qt::SingleShotConnection);
        };
        QTimer::singleShot(0, [&] {
            whenLoaded([&] {
                if (mode == "fill") {
                    keepOn(window);
                    whenLoaded([&] {
                        window.navigator().GoToPage(4);
                        answer(window, 4, 1, 10, 0);
                        window.navigator().GoToPage(6);
                        answer(window, 6, 1, 20, 1);
                        window.page(6)->findChild<QPushButton *>(QStringLiteral("Button2"))->click();
                        QPlainTextEdit *box = resumeBox(window);
                        box->setFocus();
                        box->moveCursor(QTextCursor::End);
                        QTest::keyClicks(box, QStringLiteral("Fill-ABC"));
                        window.navigator().GoToPage(20);
                        QTimer::singleShot(50, &window, &QWidget::close);
                    });
                } else if (mode == "check") {
                    auto *history = window.page(6)->findChild<ResultHistory *>(QStringLiteral("ResultHistory"));
                    say(QStringLiteral("keeping: %1").arg(keeper.isOn()));
                    say(QStringLiteral("history: %1").arg(history ? history->rowCount() : -1));
                    window.navigator().GoToPage(4);
                    auto *offer = window.statusBar()->findChild<QPushButton *>(QStringLiteral("ResumeAnswers"));
                    say(QStringLiteral("offer: %1").arg(offer && offer->isVisible() ? offer->text() : QString()));
                    if (offer && offer->isVisible())
                        offer->click();
                    auto *page = qobject_cast<QuestionnairePage *>(window.page(4)->findChild<QuestionnairePage *>());
                    say(QStringLiteral("answered: %1").arg(page ? page->test().answeredCount() : -1));
                    say(QStringLiteral("text: %1").arg(resumeBox(window)->toPlainText().endsWith(QStringLiteral("Fill-ABC"))));
                    window.navigator().GoToPage(kStartPage);
                    QAction *go = window.findChild<QAction *>(QStringLiteral("ContinueReading"));
                    go->trigger();
                    say(QStringLiteral("continued: %1").arg(window.navigator().currentPage()));
                    say(QStringLiteral("typed: %1").arg(resumeBox(window)->toPlainText().count(QLatin1Char('#'))));
                    auto *eq = window.page(5)->findChild<QuestionnairePage *>();
                    window.navigator().GoToPage(5);
                    if (offer && offer->isVisible())
                        offer->click();
                    say(QStringLiteral("answers5: %1").arg(eq ? eq->test().answeredCount() : -1));
                    say(QStringLiteral("results6: %1").arg(keeper.results(6).size()));
                    window.close();
                } else if (mode == "storm") {
                    keepOn(window);
                    whenLoaded([&] {
                        struct Storm {
                            QRandomGenerator random;
                            int typed = 0, question = 0;
                        };
                        auto storm = std::make_shared<Storm>(Storm{QRandomGenerator(quint32(seed))});
                        QPlainTextEdit *box = resumeBox(window);
                        window.navigator().GoToPage(5);
                        auto *step = new QTimer(&window);
                        QObject::connect(step, &QTimer::timeout, &window, [&window, storm, box] {
                            if (storm->random.bounded(2) == 0) {
                                box->moveCursor(QTextCursor::End);
                                box->insertPlainText(QStringLiteral("#"));
                                say(QStringLiteral("typed %1").arg(++storm->typed));
                            } else {
                                storm->question = qMin(10, storm->question + 1);   // the stress quiz's ten questions, in turn
                                answer(window, 5, storm->question, storm->question, storm->question % 2);
                                say(QStringLiteral("answered %1").arg(storm->question));
                            }
                        });
                        step->start(storm->random.bounded(3, 15));
                    });
                } else if (mode == "finish") {
                    whenLoaded([&] {
                        window.navigator().GoToPage(6);
                        answer(window, 6, 1, 20, 0);
                        window.page(6)->findChild<QPushButton *>(QStringLiteral("Button2"))->click();
                        QTimer::singleShot(100 + seed, &window, &QWidget::close);
                    });
                } else {
                    window.close();
                }
            });
        });
        return app.exec();
    });
}
