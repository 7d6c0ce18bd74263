#include "ui/mainwindow.h"

#include "ui/platform/fonts.h"
#include "ui/platform/sessionbus.h"
#include "ui/skin/skin.h"

#include <QApplication>

int main(int argc, char **argv)
{
    SessionBus::neverAutolaunch();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pathora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pathora"));
    Fonts::installSubstitutions();
    Skin::applyBuiltIn(app);

    TForm2 window;
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    return app.exec();
}
