#pragma once

#include <QPainter>
#include <QWidget>

// The one look of keyboard focus on our own widgets: a dotted frame in the text colour, drawn over
// the widget without touching its resting look.
inline void drawFocusMark(QPainter &painter, const QWidget &widget, const QRect &frame)
{
    painter.save();
    painter.setPen(QPen(widget.palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    painter.restore();
}
