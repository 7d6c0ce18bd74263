// Writes a picture of every page, whole and at 100 %, to a folder:
//   pathora_screenshots OUTDIR            (QT_QPA_PLATFORM=offscreen works)
// plus window.png, the window as the reader first sees it, and find-*.png, the find bar with its
// matches and a match it went to on the interview page.
#include "ui/mainwindow.h"
#include "ui/widgets/findbar.h"
#include "ui/platform/fonts.h"
#include "ui/skin/skin.h"

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pathora"));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(out);
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
