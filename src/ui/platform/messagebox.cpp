#include "ui/platform/messagebox.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {

// Room a window manager's title bar takes besides the title: icon and the close, maximise and
// minimise buttons.
constexpr int kTitleBarExtras = 160;

void run(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
         QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    // A box as narrow as a short text leaves its title bar too little room, and the title is cut
    // ("提…"); a spacer across the box's grid keeps it wide enough.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const int wide = QFontMetrics(box.font()).horizontalAdvance(title) * 2 + kTitleBarExtras;
        grid->addItem(new QSpacerItem(wide, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
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
