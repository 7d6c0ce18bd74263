#include "testsupport.h"

#include "ui/mainwindow.h"
#include "ui/platform/fonts.h"
#include "ui/skin/skin.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QKeyEvent>
#include <QWheelEvent>

namespace TestSupport {

void useTestScreen()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + PATHORA_TEST_SCREEN);
}

std::unique_ptr<TForm2> makeWindow()
{
    static bool prepared = false;
    if (!prepared) {
        Fonts::installSubstitutions();
        Skin::applyBuiltIn(*qApp);
        prepared = true;
    }
    auto window = std::make_unique<TForm2>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("the main window was not exposed");
    return window;
}

ModalSeen expectModal(const std::function<void()> &action, const QString &buttonText)
{
    ModalSeen seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            // A standard dialog (save, print) is read by its title and cancelled.
            auto *dialog = qobject_cast<QDialog *>(modal);
            if (dialog && dialog->isVisible()) {
                if (!seen.shown) {
                    seen.shown = true;
                    seen.title = dialog->windowTitle();
                }
                ++seen.count;
                dialog->reject();
            }
            return;
        }
        if (!box->isVisible())
            return;
        QAbstractButton *press = nullptr;
        QStringList buttons;
        for (QAbstractButton *b : box->buttons()) {
            const auto role = box->standardButton(b);
            const QString name = role == QMessageBox::Ok       ? QStringLiteral("OK")
                                 : role == QMessageBox::Cancel ? QStringLiteral("Cancel")
                                                               : b->text();
            buttons << name;
            if (!press || b->text() == buttonText || name == buttonText)
                press = b;
        }
        if (!seen.shown) {
            seen.shown = true;
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.errorIcon = box->icon() == QMessageBox::Critical;
            seen.buttons = buttons;
            seen.buttons.sort();
        }
        ++seen.count;
        press->click();
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

void typeText(QWidget *target, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
            QTest::keyClick(target, char(c.unicode()));
            continue;
        }
        const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString typed = text.mid(i, length);
        i += length - 1;
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, typed);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, typed);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
}

void trigger(TForm2 &window, const char *actionName)
{
    auto *action = window.findChild<QAction *>(QLatin1String(actionName));
    Q_ASSERT(action);
    action->trigger();
}

void wheel(QWidget *target, int angleDeltaY)
{
    const QPointF local(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent event(local, target->mapToGlobal(local), QPoint(), QPoint(0, angleDeltaY), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

} // namespace TestSupport
