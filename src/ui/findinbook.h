#pragma once

#include "book/search.h"

#include <QObject>
#include <QPointer>

class FindBar;
class FindMark;
class QPlainTextEdit;
class QScrollArea;
class QStackedWidget;
class QShortcut;
class QToolBar;
class TForm2;

// Find in the book, wired into the main window: the find bar at the window's foot with its keys
// (Ctrl+F and "/" open it, Esc closes it, F3 / Shift+F3 step through the matches), the search
// field of the contents page, and going to a match: through the navigator like a link, then
// scrolling the window (and a text box with its own scroll bar) until the match is in view and
// marking it until the next search or change of page.
class FindInBook : public QObject {
    Q_OBJECT
public:
    FindInBook(TForm2 &window, QScrollArea *clientArea, QStackedWidget *pages);
    ~FindInBook() override;

    // The bar, once it has been opened; nullptr before.
    FindBar *bar() const { return m_bar; }
    // Opens the bar; with a text, searches for it at once.
    void open();
    void open(const QString &text);
    void close();
    void step(int direction);

    // Joins a page's own search field, if it has one, to the bar (called once the page is built).
    void attachPage(QWidget *page);

    // Goes to a match and marks it.
    void land(const FindHit &hit);

private:
    FindBar *ensureBar();
    void clearMark();
    void scrollIntoView(QWidget *widget, const QRect &rect);

    TForm2 &m_window;
    QScrollArea *m_clientArea;
    QToolBar *m_toolBar = nullptr;
    FindBar *m_bar = nullptr;
    QShortcut *m_escape = nullptr;
    QPointer<QWidget> m_focusBefore;
    QPointer<QPlainTextEdit> m_markedBox;
    QPointer<FindMark> m_mark;
};
