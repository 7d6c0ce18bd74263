#pragma once

#include "book/pagetable.h"

#include <QMetaObject>
#include <QObject>

class QLabel;
class QStatusBar;
class QuestionnairePage;

// The window's status line: the current page's heading and its place in the reading order, and on
// a questionnaire page how many of its items the reader has answered, kept up to date.
class ReadingStatus : public QObject {
    Q_OBJECT
public:
    explicit ReadingStatus(QStatusBar *bar);

    // `questionnaire` is the page's questionnaire, or nullptr.
    void showPage(PageId page, QuestionnairePage *questionnaire);

private:
    void showProgress();

    QLabel *m_place;
    QLabel *m_progress;
    PageId m_page = kNoPage;
    QuestionnairePage *m_questionnaire = nullptr;
    QMetaObject::Connection m_watch;
};
