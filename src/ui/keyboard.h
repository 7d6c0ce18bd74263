#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

class FocusRing;
class QScrollArea;
class QWidget;
class TForm2;
class TNavigator;

// Everything the mouse does, the keyboard does: the window keys (scrolling, page turning,
// closing, the list of keys), a Tab chain per page in reading order that stays on the page (a
// question is one stop), focus on the page after every page change, and the focused control
// scrolled into view and marked.
class KeyboardAccess : public QObject {
    Q_OBJECT
public:
    KeyboardAccess(TForm2 &window, QScrollArea &area, TNavigator &navigator);

    // A page's content is built: make its controls reachable by Tab in reading order.
    void pageBuilt(QWidget *page);
    // A page became current: focus goes to it, so that the next Tab reaches its first control.
    void pageShown(QWidget *page);

    // Shows the short box that lists the keys (F1).
    void showKeys();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool windowKey(QWidget *focus, int key, Qt::KeyboardModifiers modifiers);
    bool scroll(QWidget *focus, int key, Qt::KeyboardModifiers modifiers);
    bool tab(QWidget *focus, bool forward);
    // A control of a page that the keyboard reached shows the focus ring.
    bool marksFocus(const QWidget *w) const;

    // Each page's Tab chain in reading order, the page itself first.
    QHash<QWidget *, QList<QPointer<QWidget>>> m_chains;

    TForm2 &m_window;
    QScrollArea &m_area;
    TNavigator &m_navigator;
    // A child of the client area, which may go first: held as a widget, and taken as the ring only
    // while it still is one (not while it is being destroyed).
    QPointer<QWidget> m_ring;
    FocusRing *ring() const;
    bool m_keyboard = false;   // the last input was a key, not a click
};
