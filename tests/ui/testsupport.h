#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QWidget;
class TForm2;

namespace TestSupport {

// The window tests run on a 1920 x 1080 screen (the offscreen platform's own is 800 x 800): unless
// the caller gave a screen configuration, the offscreen platform is told to read the test tree's.
// Call before the application object exists.
void useTestScreen();

// A main window as the program builds it (fonts and skin included), shown offscreen.
std::unique_ptr<TForm2> makeWindow();

// What a modal box showed: its title, its text and its buttons' texts (of the first box, when
// one action raised several).
struct ModalSeen {
    bool shown = false;
    int count = 0;
    QString title;
    QString text;
    QStringList buttons;
    bool errorIcon = false;
};

// Runs `action`, which is expected to open a modal box; reads the box and closes it with its
// first button (or the button whose text or role name, "OK" or "Cancel", is `buttonText`); a
// standard dialog (save, print) is cancelled. Every further box the action raises is closed the
// same way and counted. Returns what the first box showed (shown=false if none).
ModalSeen expectModal(const std::function<void()> &action, const QString &buttonText = {});

// Types `text` into `target` one character at a time, as a keyboard would: characters QtTest knows
// as keys go as key clicks, every other one (full-width digits, Chinese, emoji as one surrogate
// pair) as a key event that carries only its text.
void typeText(QWidget *target, const QString &text);

// Triggers a menu command by its objectName (N1..N4) as the reader would.
void trigger(TForm2 &window, const char *actionName);

// Sends a wheel event with the given angle delta to a widget, at its centre.
void wheel(QWidget *target, int angleDeltaY);

} // namespace TestSupport

// QTEST_MAIN with the test screen.
#define PATHORA_TEST_MAIN(TestObject)                                                                                  \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        TestSupport::useTestScreen();                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
