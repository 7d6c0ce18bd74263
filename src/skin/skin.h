#pragma once

#include <QBrush>
#include <QByteArray>

class QApplication;
class QWidget;

// The built-in "Wood" skin: a style sheet and its wood textures, unpacked from the program's
// own data at start-up.
class Skin {
public:
    // Unpacks the given archive and applies it to the application. On bad data nothing is
    // changed and false is returned: the program keeps the standard look.
    static bool apply(QApplication &app, const QByteArray &archive);
    // The archive built into the program.
    static bool applyBuiltIn(QApplication &app);

    // Paints a widget as part of the wooden frame (no-op while no skin is applied).
    static void paintAsFrame(QWidget *widget);
    static bool isApplied();
};
