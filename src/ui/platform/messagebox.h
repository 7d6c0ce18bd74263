#pragma once

#include <QString>

class QWidget;

// The program's modal boxes. Each blocks until the reader closes it.
namespace MessageBox {

// Caption "提示", one OK button.
void notice(QWidget *parent, const QString &text);

// Caption "提示", OK and Cancel; the caller does not use the answer.
void noticeOkCancel(QWidget *parent, const QString &text);

// A warning icon, the given caption, OK: an action the reader asked for has failed.
void warning(QWidget *parent, const QString &title, const QString &text);

// The application's standard error box: caption "Pathora", error icon, OK.
void standardError(QWidget *parent, const QString &text);

} // namespace MessageBox
