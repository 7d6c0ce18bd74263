#pragma once

#include "book/pagetable.h"
#include "records/keeper.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class QAction;
class QLabel;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QToolButton;
class QWidget;
class QuestionnairePage;
class ResultHistory;
class TNavigator;

// Where the reader's records live for a window: the store's folder (empty: the window keeps
// nothing beyond the session), and whether this is a private session that opens and writes nothing.
struct RecordsSetup {
    QString folder;
    bool privateSession = false;
};

// The reader's records in the window: the 我的记录 menu, the notes in the status bar, each
// questionnaire's history and resume offer, the typed texts and their two buttons, and the place
// to continue reading. The window tells it what happens; it never decides a page's content.
class ReaderRecords : public QObject {
    Q_OBJECT
public:
    ReaderRecords(QWidget &window, QMenuBar &bar, QStatusBar &status, TNavigator &navigator, const RecordsSetup &setup);

    Records::Keeper &keeper() { return m_keeper; }
    // Reads what was kept (once the window has its first frame).
    void start();
    QAction *keepAction() const { return m_keep; }

    // The window's hooks.
    void pageStarted(PageId id, QWidget *page, QuestionnairePage *questionnaire);   // its first view is built
    void pageBuilt(PageId id, QWidget *page, QuestionnairePage *questionnaire);   // the page is whole
    void pageShown(PageId id);
    void pageEntered(PageId id);   // a questionnaire page was entered and reset
    void closing(PageId id, int scroll);
    // Asks the window for the current page and its scroll position.
    void setPlaceSource(std::function<QPair<PageId, int>()> source) { m_placeSource = std::move(source); }
    void setScroller(std::function<void(int)> scroll) { m_scroll = std::move(scroll); }

private:
    void buildMenu(QMenuBar &bar);
    void readerToggledKeeping(bool on);
    void clearAll();
    void noteOnce();
    void loaded();
    void continueReading();
    void updateContinue();
    void keepPlace(bool closing = false);

    void finished(PageId id);
    void answered(PageId id);
    void resume(PageId id);
    void showHistory(PageId id);
    void showOffer(PageId id);
    void watchTextBox(PageId id, QPlainTextEdit *box);
    void restoreTemplate(QPlainTextEdit *box);
    void exportText(QPlainTextEdit *box);

    bool showsRecords() const { return m_keeper.isOn(); }
    static QString boxKey(const QPlainTextEdit *box);

    QWidget &m_window;
    QStatusBar &m_status;
    TNavigator &m_navigator;
    Records::Keeper m_keeper;
    QAction *m_keep = nullptr;
    QAction *m_clear = nullptr;
    QAction *m_continue = nullptr;
    QToolButton *m_continueButton = nullptr;
    QPushButton *m_resume = nullptr;        // the resume offer, on the status line
    QAction *m_resumeAction = nullptr;      // the same from the menu and its key
    bool m_noted = false;
    bool m_started = false;
    bool m_continueTold = false;
    PageId m_continueOffered = kNoPage;
    PageId m_current = kNoPage;
    QPair<PageId, int> m_lastPlace{kNoPage, 0};   // where the reader was when the records were read
    std::function<QPair<PageId, int>()> m_placeSource;
    std::function<void(int)> m_scroll;

    struct QuestionnaireRoom {
        QuestionnairePage *page = nullptr;
        ResultHistory *history = nullptr;
        QPushButton *offer = nullptr;
        bool offerOpen = false;     // entered since the last answer given
    };
    QHash<PageId, QuestionnaireRoom> m_rooms;
    QVector<QPointer<QPlainTextEdit>> m_boxes;
    QHash<QString, QString> m_templates;
    bool m_writing = false;   // a program write into a text box
};
