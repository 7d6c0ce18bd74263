#pragma once

#include "book/linkactions.h"
#include "book/navigator.h"
#include "ui/deferredbuild.h"
#include "ui/records/readerrecords.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QVector>

class FindInBook;
class ReadingStatus;
class QAction;
class QFrame;
class QScrollArea;
class QStackedWidget;

// The one main window: menu, a client area that scrolls vertically over the current page, the
// page container and the two side strips. It wires the parts together and holds no page logic.
class TForm2 : public QMainWindow, private INavigationSurface {
    Q_OBJECT
public:
    static constexpr int kOuterWidth = 1058;
    static constexpr int kOuterHeight = 598;
    static constexpr int kWheelStep = 10;
    static constexpr int kPageTop = 56;

    // `records` says where the reader's records live; by default the window keeps none beyond
    // the session (the program passes the user's data folder).
    explicit TForm2(QWidget *parent = nullptr, const RecordsSetup &records = {});
    ~TForm2() override;

    TNavigator &navigator() { return m_navigator; }
    ReaderRecords &records() { return *m_records; }
    // The page with all of its content; what is not built yet is built now.
    QWidget *page(PageId id);
    // Every page is built whole and has been painted once off screen.
    bool allPagesBuilt() const { return m_unbuilt == 0; }
    int scrollPosition() const;
    int scrollMaximum() const;
    int scrollExtent() const;   // the client area's content height

public slots:
    void CloseMainWindow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // INavigationSurface
    void setScrollPosition(int y) override;
    void showPage(PageId id) override;
    void setLayoutHeights(int height) override;
    void showLastPageNotice() override;

    void buildMenu();
    void buildClientArea();
    void buildPages();
    void openWebPage(const QString &address);
    // How far a page is built: nothing yet, its first view (the rest waits in m_rest), whole,
    // and whole and painted once off screen.
    enum class Built : char { Nothing, FirstView, Whole, Prepared };
    void buildFirstView(PageId id, int fold);
    void ensureBuilt(PageId id);
    void finishPage(PageId id);
    void wireLinks(QWidget *page);
    void finishCurrentPage();
    PageId nextToBuild() const;
    void buildWhileIdle();
    void prepareForShow(PageId id);
    int firstViewEnd() const;
    void fitClientWidth();
    void fitToScreen(const QSize &wanted);
    void refitOnceFrameKnown();
    bool handleWheel(QWidget *target, class QWheelEvent *event);

    TNavigator m_navigator;
    class KeyboardAccess *m_keys = nullptr;
    LinkActions m_links;
    QScrollArea *m_scrollArea = nullptr;
    QWidget *m_client = nullptr;
    QStackedWidget *m_pageControl = nullptr;
    QFrame *m_leftStrip = nullptr;
    QFrame *m_rightStrip = nullptr;
    QVector<QWidget *> m_pages;
    QVector<Built> m_built;
    QVector<DeferredBuild> m_rest;
    QVector<int> m_builtTo;      // where the first view of a page built in part ends
    QVector<int> m_preparedTo;   // how far down a page has been painted off screen
    int m_unbuilt = kPageCount;
    QVector<class QuestionnairePage *> m_questionnaires;
    FindInBook *m_find = nullptr;
    class AddressNote *m_addressNote = nullptr;
    ReadingStatus *m_status = nullptr;
    ReaderRecords *m_records = nullptr;
    int m_wheelRemainder = 0;
    bool m_shownOnce = false;
    bool m_refitted = false;   // fitted with the window manager's frame
    int m_refits = 0;
    QElapsedTimer m_shownAt;
    QSize m_fittedFrame;   // the frame's size when the window was fitted to the screen
    bool m_idleBuildStarted = false;
};
