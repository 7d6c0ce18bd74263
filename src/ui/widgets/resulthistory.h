#pragma once

#include <QFrame>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

// A questionnaire's earlier results, newest first, one row each (date, score or code, band), with
// a way to delete one of them or all. Hidden while there is none to show.
class ResultHistory : public QFrame {
    Q_OBJECT
public:
    static constexpr int kHeight = 92;

    struct Row {
        QString uid;
        QString text;
    };

    explicit ResultHistory(QWidget *parent = nullptr);
    void setRows(const QVector<Row> &rows);
    int rowCount() const;
    QString rowText(int row) const;

signals:
    void removeRequested(const QString &uid);
    void removeAllRequested();

private:
    void removeCurrent();

    QLabel *m_title;
    QListWidget *m_list;
    QPushButton *m_remove;
    QPushButton *m_removeAll;
    QVector<Row> m_rows;
};
