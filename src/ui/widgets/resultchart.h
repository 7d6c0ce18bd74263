#pragma once

#include "book/quiz/chartmodel.h"

#include <QWidget>

// A questionnaire's result drawn as a picture: a scale of bands with a marker at the score, a row
// of right/wrong marks, bars, columns or balances, with the line under it and how to read it.
// Painted from its model alone.
class ResultChart : public QWidget {
    Q_OBJECT
public:
    explicit ResultChart(QWidget *parent = nullptr);

    void setModel(const Quiz::ChartModel &model);
    const Quiz::ChartModel &model() const { return m_model; }
    // An earlier result beside this one: its figures (the score, or one value per item), when it
    // was, and its score or code in words; empty figures mark none.
    void setPrevious(const QVector<int> &figures, const QString &when, const QString &inWords);

    // The chart at the given size, for a printed or saved report.
    void paintChart(QPainter &painter, const QRect &area) const;
    // Room the guide text takes below the drawing at the given width.
    static int guideHeight(const QString &guide, const QFont &font, int width);
    // The height of the drawing above the guide, by the kind of chart.
    static int drawingHeight(Quiz::ChartModel::Kind kind);

signals:
    void saveRequested();
    void printRequested();
    // A column's letter was clicked (the career orientation test).
    void letterClicked(const QString &letter);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    // The keyboard's way to a column: Left / Right pick a letter, Return / Space show it.
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void paintScale(QPainter &p, const QRect &area) const;
    void paintMarks(QPainter &p, const QRect &area) const;
    void paintBars(QPainter &p, const QRect &area) const;
    void paintColumns(QPainter &p, const QRect &area) const;
    void paintBalances(QPainter &p, const QRect &area) const;
    QRect columnLetterRect(const QRect &area, int index) const;

    QRect drawingArea(const QRect &area) const;

    Quiz::ChartModel m_model;
    QVector<int> m_previous;
    QString m_previousCaption;
    void paintPrevious(QPainter &p, const QRect &drawing) const;
    int m_picked = 0;   // the column the keyboard is on
};
