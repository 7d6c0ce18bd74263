#include "app/commandline.h"
#include "ui/mainwindow.h"

#include "ui/platform/fonts.h"
#include "ui/platform/sessionbus.h"
#include "ui/platform/translations.h"
#include "ui/skin/skin.h"

#include <QApplication>

int main(int argc, char **argv)
{
    SessionBus::neverAutolaunch();
    QApplication::setApplicationName(QStringLiteral("Pathora"));
    QApplication::setApplicationVersion(QStringLiteral(PATHORA_VERSION));
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    if (CommandLine::answerRequests(raw) == CommandLine::Outcome::Exit)
        return 0;

    QApplication app(argc, argv);
    if (CommandLine::refuseLeftovers(QApplication::arguments()) == CommandLine::Outcome::Refuse)
        return 2;
    QApplication::setApplicationDisplayName(QStringLiteral("Pathora"));
    QApplication::setDesktopFileName(QStringLiteral(PATHORA_APP_ID));
    Translations::installQtChinese(app);
    Fonts::installSubstitutions();
    Skin::applyBuiltIn(app);

    TForm2 window;
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    return app.exec();
}
