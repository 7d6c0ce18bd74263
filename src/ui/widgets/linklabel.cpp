#include "ui/widgets/linklabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

LinkLabel::LinkLabel(int link, QWidget *parent)
    : QLabel(parent), m_link(link)
{
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    m_restingFont = font();
    m_restingPalette = palette();
}

void LinkLabel::setRestingLook(const QFont &font, const QColor &color, bool hover)
{
    m_restingFont = font;
    QPalette palette = this->palette();
    if (color.isValid())
        palette.setColor(QPalette::WindowText, color);
    m_restingPalette = palette;
    m_hover = hover;
    showLook(false);
}

// The hover handler of every link: the look lives in the font (underline) and the palette's
// window-text colour only, so that a label returns exactly to what it was.
void LinkLabel::showLook(bool hovered)
{
    m_hovered = hovered;
    if (!hovered) {
        setFont(m_restingFont);
        setPalette(m_restingPalette);
        return;
    }
    QFont font = m_restingFont;
    font.setUnderline(true);
    setFont(font);
    QPalette palette = m_restingPalette;
    palette.setColor(QPalette::WindowText, hoverColor());
    setPalette(palette);
}

bool LinkLabel::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Enter:
        if (m_hover)
            showLook(true);
        break;
    case QEvent::Leave:
    // A page that stops being current hides its labels; the pointer has left them then, even if
    // no leave event comes, and the label must be at rest when the page shows again.
    case QEvent::Hide:
        if (m_hovered)
            showLook(false);
        break;
    default:
        break;
    }
    return QLabel::event(event);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = true;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

// Return and Space follow a focused link exactly as a click does.
void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)) {
        event->accept();
        activate();
        return;
    }
    QLabel::keyPressEvent(event);
}
