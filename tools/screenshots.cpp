// Writes a picture of every page, whole, to a folder:
//   pathora_screenshots OUTDIR [SCALE]    (QT_QPA_PLATFORM=offscreen works)
// plus window.png, the window as the reader first sees it, and find-*.png, the find bar with its
// matches and a match it went to on the interview page, scored-TabSheetN.png, each questionnaire
// answered and finished with its result chart, report.pdf, the saved report of the first, and
// records-*.png, the stress test's kept results (chart with the earlier one, history, resume offer).
// SCALE is the screen's scale factor (default 1); at 2 the pages are drawn at twice the pixels,
// with the @2x pictures.
#include "ui/mainwindow.h"
#include "ui/widgets/findbar.h"
#include "ui/platform/fonts.h"
#include "ui/platform/translations.h"
#include "ui/skin/skin.h"
#include "book/quiz/drivingforce.h"
#include "book/quiz/records.h"
#include "ui/questionnairepage.h"
#include "ui/widgets/choicegroup.h"
#include "ui/widgets/resultchart.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QTemporaryFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QMessageBox>
#include <QAction>

#include <cstdio>

int main(int argc, char **argv)
{
    // Read before the application exists: the scale factor is fixed when it starts.
    const QByteArray scale = argc > 2 ? QByteArray(argv[2]) : QByteArray("1");
    bool scaleOk = false;
    if (scale.toDouble(&scaleOk) <= 0 || !scaleOk) {
        std::fprintf(stderr, "usage: pathora_screenshots OUTDIR [SCALE], SCALE a number above 0\n");
        return 2;
    }
    qputenv("QT_SCALE_FACTOR", scale);
    // The offscreen platform's own screen is only 800 x 800 pixels: give it a desktop's full-HD
    // screen (at the scale factor's pixel count), so that the window opens at its first size.
    QTemporaryFile screenConfig;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && screenConfig.open()) {
        const double factor = scale.toDouble();
        screenConfig.write(QStringLiteral(R"({"screens":[{"name":"s","x":0,"y":0,"width":%1,"height":%2,"logicalDpi":96}]})")
                               .arg(qRound(1920 * factor))
                               .arg(qRound(1080 * factor))
                               .toUtf8());
        screenConfig.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screenConfig.fileName()));
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pathora"));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(out);
    Translations::installQtChinese(app);
    Fonts::installSubstitutions();
    Skin::applyBuiltIn(app);

    TForm2 window;
    window.show();
    app.processEvents();
    window.grab().save(out + QStringLiteral("/window.png"));
    for (PageId id = 1; id <= kPageCount; ++id) {
        window.navigator().GoToPage(id);
        app.processEvents();
        const QString file = QStringLiteral("%1/%2.png").arg(out, TPageEntry::pageName(id));
        if (!window.page(id)->grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    // Every questionnaire answered as a reader would (options in turn), finished, its chart shown.
    for (const Quiz::QuizRecord &r : Quiz::records()) {
        window.navigator().GoToPage(r.page);
        QWidget *page = window.page(r.page);
        if (r.variant == Quiz::Variant::DrivingForce) {
            DrivingForceTest names{QString()};
            for (int pair = 1; pair <= DrivingForceTest::kPairs; ++pair)
                QTest::keyClicks(page->findChild<QComboBox *>(names.box(2 * pair - 2).name)->lineEdit(),
                                 QString::number((pair * 7) % 4));
        } else {
            for (int k = 1; k <= r.questionCount; ++k) {
                auto *group = page->findChild<ChoiceGroup *>(r.groupNameOf(k));
                QRadioButton *option = group->option((k * 5 + r.page) % group->optionCount());
                QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(8, option->height() / 2));
            }
        }
        QTest::mouseClick(page->findChild<QPushButton *>(QString::fromLatin1(r.button)), Qt::LeftButton);
        auto *chart = page->findChild<ResultChart *>(QStringLiteral("ResultChart"));
        const QRect around = chart->geometry().adjusted(-30, -260, 30, 20).intersected(page->rect());
        page->grab(around).save(QStringLiteral("%1/scored-%2.png").arg(out, TPageEntry::pageName(r.page)));
        if (r.page == 1) {
            QString error;
            if (!ResultReport::savePdf(out + QStringLiteral("/report.pdf"),
                                       page->findChild<QuestionnairePage *>()->reportContent(), &error))
                std::fprintf(stderr, "cannot write the report: %s\n", qPrintable(error));
        }
    }
    window.navigator().GoHome();
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    auto *field = window.findChild<QLineEdit *>(QStringLiteral("FindField"));
    const auto type = [field](const char *text) {
        QInputMethodEvent typed;
        typed.setCommitString(QString::fromUtf8(text));
        QApplication::sendEvent(field, &typed);
    };
    type("自我介绍");
    QTest::qWait(50);
    window.grab().save(out + QStringLiteral("/find-results.png"));
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Return);
    QTest::qWait(50);
    window.grab().save(out + QStringLiteral("/find-mark.png"));
    field->setText(QString());
    type("ＥＱ");
    QTest::keyClick(field, Qt::Key_Return);
    QTest::qWait(50);
    window.grab().save(out + QStringLiteral("/find-label.png"));
    // The reader's records, kept in a folder of the tool's own: the stress test finished twice, its
    // chart marking the earlier result; half answered again and re-entered, its history and the
    // offer to resume.
    {
        QTemporaryDir folder;
        TForm2 keeping(nullptr, RecordsSetup{folder.path(), false});
        keeping.show();
        app.processEvents();
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->buttons().first()->click();
        });
        closer.start(20);
        keeping.findChild<QAction *>(QStringLiteral("KeepRecords"))->trigger();
        QTest::qWait(300);
        QWidget *page = keeping.page(6);
        const auto answerAll = [&](int from, int to, int shift) {
            for (int k = from; k <= to; ++k) {
                auto *group = page->findChild<ChoiceGroup *>(QStringLiteral("rdgp6_%1").arg(k));
                group->option((k + shift) % 3 == 0 ? 0 : 1)->click();
            }
        };
        keeping.navigator().GoToPage(6);
        answerAll(1, 20, 0);
        page->findChild<QPushButton *>(QStringLiteral("Button2"))->click();
        keeping.navigator().GoToPage(5);
        keeping.navigator().GoToPage(6);
        answerAll(1, 20, 1);
        page->findChild<QPushButton *>(QStringLiteral("Button2"))->click();
        auto *chart = page->findChild<ResultChart *>(QStringLiteral("ResultChart"));
        page->grab(chart->geometry().adjusted(-30, -20, 30, 20).intersected(page->rect()))
            .save(out + QStringLiteral("/records-chart.png"));
        keeping.navigator().GoToPage(5);
        keeping.navigator().GoToPage(6);
        answerAll(1, 8, 2);
        keeping.navigator().GoToPage(5);
        keeping.navigator().GoToPage(6);
        QTest::qWait(50);
        page->grab(chart->geometry().adjusted(-30, -20, 30, 20).intersected(page->rect()))
            .save(out + QStringLiteral("/records-history.png"));
        keeping.grab().save(out + QStringLiteral("/records-offer.png"));
    }
    std::printf("wrote %d pages to %s\n", kPageCount, qPrintable(out));
    return 0;
}
