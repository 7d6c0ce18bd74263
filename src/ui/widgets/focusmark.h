#pragma once

#include <QPainter>
#include <QPointer>
#include <QWidget>

// The one look of keyboard focus: a solid frame, 2 px wide, in the skin's darkest wood, which
// stands out at least 3:1 against the paper of the pages and the cards of the questions.
namespace FocusMark {
constexpr int kWidth = 2;
QColor colour(const QWidget &widget);
} // namespace FocusMark

// Draws the mark inside `frame` on a widget's own painting (a column letter of a chart).
inline void drawFocusMark(QPainter &painter, const QWidget &widget, const QRect &frame)
{
    painter.save();
    painter.setPen(QPen(FocusMark::colour(widget), FocusMark::kWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

// The mark round the control that has the keyboard focus, a little outside it, above everything
// else of the page, so that no control's resting or hover look changes for it. It follows the
// keyboard only: a click does not show it. Invisible to the mouse and to screen readers.
class FocusRing : public QWidget {
public:
    static constexpr int kGap = 1;   // between the control and the mark

    // `area` holds the pages; the ring lies above them in its coordinates.
    explicit FocusRing(QWidget *area);

    // Marks `target`, or hides the mark for nullptr.
    void follow(QWidget *target);
    QWidget *target() const { return m_target; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();

    QPointer<QWidget> m_target;
};
