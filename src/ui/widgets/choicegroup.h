#pragma once

#include <QFrame>
#include <QVector>

class QButtonGroup;
class QLabel;
class QRadioButton;

// A single-choice group: an optional caption and its options as radio buttons in a grid of the
// given number of columns (filled row by row). itemIndex() is -1 until the reader chooses; the
// reader can move the choice but never clear it; the program can set it back to -1 without
// running any handler. The question is one stop for the keyboard: the arrows, whichever way the
// options stand, move to the previous or next option (round at the ends) and choose it.
class ChoiceGroup : public QFrame {
    Q_OBJECT
public:
    ChoiceGroup(const QString &caption, const QStringList &options, int columns, QWidget *parent = nullptr);

    QString caption() const;
    int itemIndex() const;
    // Program write: never emits readerChose.
    void setItemIndex(int index);
    QRadioButton *option(int index) const { return m_options.value(index); }
    // Where the keyboard enters the question: the chosen option, the first while none is.
    QRadioButton *entryOption() const;
    int optionCount() const { return static_cast<int>(m_options.size()); }

    // The height the group needs at the given width.
    int heightFor(int width) const;

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

signals:
    // The reader selected option `index` (mouse or keyboard).
    void readerChose(int index);

private:
    QLabel *m_caption = nullptr;
    QButtonGroup *m_buttons;
    QVector<QRadioButton *> m_options;
    int m_columns;
    bool m_programWrite = false;
};
