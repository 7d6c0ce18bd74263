#pragma once

#include <QLabel>

// The one control for every link: a text label, a picture or a bare panel that acts when
// clicked and shows the hand pointer. A link with hover is underlined and blue while the pointer
// is over it and returns to its resting look when the pointer leaves or its page is hidden.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    // `link` tells the receiver of clicked() which link this is; the label gives it no meaning.
    explicit LinkLabel(int link, QWidget *parent = nullptr);

    int link() const { return m_link; }

    // Shows the resting look at once. An invalid colour keeps the colour the label inherits.
    void setRestingLook(const QFont &font, const QColor &color, bool hover);
    bool hasHover() const { return m_hover; }
    bool isHovered() const { return m_hovered; }

    static QColor hoverColor() { return QColor(0, 0, 255); }

    // Does what a click does (keyboard and screen readers).
    void activate() { emit clicked(); }

signals:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showLook(bool hovered);

    int m_link;
    QFont m_restingFont;
    QPalette m_restingPalette;
    bool m_hover = false;
    bool m_hovered = false;
    bool m_pressed = false;
};
