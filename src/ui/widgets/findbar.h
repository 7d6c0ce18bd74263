#pragma once

#include "book/search.h"

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;
class FindResultsModel;

// The find bar at the foot of the window: a field, the number of matches, previous / next /
// close buttons and the list of the pages that hold matches, each page with its heading, its
// count and an excerpt, unfolding to every match. It searches the book's index as the reader
// types; going to a match is left to whoever listens to chosen().
class FindBar : public QFrame {
    Q_OBJECT
public:
    explicit FindBar(QWidget *parent = nullptr);

    // Shows the bar and puts the focus in its field; with a text, searches for it.
    void open();
    void open(const QString &text);

    QLineEdit *field() const { return m_field; }
    QTreeView *results() const { return m_results; }
    const QVector<FindHit> &hits() const { return m_hits; }
    int currentHit() const { return m_current; }

    // Goes to the next (+1) or previous (-1) match, after the last one back to the first; with no
    // matches it only says so.
    void step(int direction);

signals:
    void chosen(const FindHit &hit);
    // The query changed: marks of the last search no longer apply.
    void searched();
    void closeRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search();
    void choose(int hit);
    void chooseIndex(const class QModelIndex &index);
    void showStatus();
    void fitList();

    QLineEdit *m_field;
    QLabel *m_status;
    QPushButton *m_previous;
    QPushButton *m_next;
    QPushButton *m_close;
    QTreeView *m_results;
    FindResultsModel *m_model;
    QVector<FindHit> m_hits;
    QString m_query;
    bool m_searched = false;
    int m_current = -1;
};
