#include "skin.h"

#include "skinarchive.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPalette>
#include <QWidget>

namespace {

QBrush &frameBrush()
{
    static QBrush brush;
    return brush;
}

bool applied = false;

} // namespace

bool Skin::apply(QApplication &app, const QByteArray &archive)
{
    const auto files = SkinArchive::unpack(archive);
    if (!files || !files->contains(QStringLiteral("wood.qss")))
        return false;
    const QImage texture = QImage::fromData(files->value(QStringLiteral("frame.png")), "PNG");
    if (texture.isNull())
        return false;

    frameBrush() = QBrush(texture);
    app.setStyleSheet(QString::fromUtf8(files->value(QStringLiteral("wood.qss"))));
    applied = true;
    return true;
}

bool Skin::applyBuiltIn(QApplication &app)
{
    QFile file(QStringLiteral(":/skin/wood.skin"));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return apply(app, file.readAll());
}

void Skin::paintAsFrame(QWidget *widget)
{
    if (!applied)
        return;
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::Window, frameBrush());
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

bool Skin::isApplied()
{
    return applied;
}
