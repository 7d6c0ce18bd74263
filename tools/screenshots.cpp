// Writes a picture of every page, whole, to a folder:
//   pathora_screenshots OUTDIR [SCALE]    (QT_QPA_PLATFORM=offscreen works)
// plus window.png, the window as the reader first sees it, and find-*.png, the find bar with its
// matches and a match it went to on the interview page. SCALE is the screen's scale factor
// (default 1); at 2 the pages are drawn at twice the pixels, with the @2x pictures.
#include "ui/mainwindow.h"
#include "ui/widgets/findbar.h"
#include "ui/platform/fonts.h"
#include "ui/platform/translations.h"
#include "ui/skin/skin.h"

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QTemporaryFile>

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
    std::printf("wrote %d pages to %s\n", kPageCount, qPrintable(out));
    return 0;
}
