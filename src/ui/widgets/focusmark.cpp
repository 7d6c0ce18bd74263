#include "ui/widgets/focusmark.h"

#include <QEvent>

QColor FocusMark::colour(const QWidget &widget)
{
    return widget.palette().color(QPalette::Shadow);
}

FocusRing::FocusRing(QWidget *area) : QWidget(area)
{
    setObjectName(QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setProperty("decorative", true);
    hide();
}

void FocusRing::follow(QWidget *target)
{
    if (m_target)
        m_target->removeEventFilter(this);
    m_target = target;
    if (!target) {
        hide();
        return;
    }
    target->installEventFilter(this);
    place();
}

void FocusRing::place()
{
    if (!m_target || !m_target->isVisible() || !parentWidget()->isAncestorOf(m_target)) {
        hide();
        return;
    }
    const int out = kGap + FocusMark::kWidth;
    setGeometry(QRect(m_target->mapTo(parentWidget(), QPoint()), m_target->size()).adjusted(-out, -out, out, out));
    raise();
    show();
    update();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_target) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
            place();
            break;
        case QEvent::Hide:
            hide();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFocusMark(painter, *this, rect());
}
