#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QWidget;
class TForm2;

namespace TestSupport {

// A main window as the program builds it (fonts and skin included), shown offscreen.
std::unique_ptr<TForm2> makeWindow();

// What a modal box showed: its title, its text and its buttons' texts.
struct ModalSeen {
    bool shown = false;
    QString title;
    QString text;
    QStringList buttons;
    bool errorIcon = false;
};

// Runs `action`, which is expected to open one modal box; reads the box and closes it with its
// first button (or `buttonText` when given); a standard dialog (save, print) is cancelled. Returns
// what the box showed (shown=false if none).
ModalSeen expectModal(const std::function<void()> &action, const QString &buttonText = {});

// Triggers a menu command by its objectName (N1..N4) as the reader would.
void trigger(TForm2 &window, const char *actionName);

// Sends a wheel event with the given angle delta to a widget, at its centre.
void wheel(QWidget *target, int angleDeltaY);

} // namespace TestSupport
