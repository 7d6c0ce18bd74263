#include "ui/platform/messagebox.h"

#include <QMessageBox>

namespace {

void run(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
         QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace

void MessageBox::notice(QWidget *parent, const QString &text)
{
    run(parent, QMessageBox::NoIcon, QStringLiteral("提示"), text, QMessageBox::Ok);
}

void MessageBox::noticeOkCancel(QWidget *parent, const QString &text)
{
    run(parent, QMessageBox::NoIcon, QStringLiteral("提示"), text, QMessageBox::Ok | QMessageBox::Cancel);
}

void MessageBox::warning(QWidget *parent, const QString &title, const QString &text)
{
    run(parent, QMessageBox::Warning, title, text, QMessageBox::Ok);
}

void MessageBox::standardError(QWidget *parent, const QString &text)
{
    run(parent, QMessageBox::Critical, QStringLiteral("Pathora"), text, QMessageBox::Ok);
}
