#pragma once

#include <QByteArray>

class QApplication;
class QWidget;

// The built-in "Wood" skin, unpacked from the program's own data at start-up: a style sheet for
// the frame's controls, the colours of the palette and the wood texture of the frame.
class Skin {
public:
    // Unpacks the given archive and applies it to the application. On bad data nothing is
    // changed and false is returned: the program keeps the standard look.
    static bool apply(QApplication &app, const QByteArray &archive);
    // The archive built into the program.
    static bool applyBuiltIn(QApplication &app);

    // Paints a widget as part of the wooden frame (no-op while no skin is applied).
    static void paintAsFrame(QWidget *widget);
    // Paints a widget as a page: the palette's paper colour.
    static void paintAsPage(QWidget *widget);
    static bool isApplied();
};
