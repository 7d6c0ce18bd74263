#pragma once

#include <QPlainTextEdit>

// A text box that takes the reader's own text, up to a length that no real résumé needs. What
// would go beyond it, typed, pasted, dropped or composed, is cut at the limit and a short note
// says so. Without the limit one pasted megabyte would make every later key take seconds: the
// box lays out a whole paragraph again on each change. Unlike the read-only text around it, the
// box shows a light ground inside a border.
class EditableTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 20000;

    explicit EditableTextBox(QWidget *parent = nullptr);

    // Characters held, each line break counting as one.
    int length() const;
    // The note shown when text was cut.
    static QString cutNote();

protected:
    void insertFromMimeData(const QMimeData *source) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    // How many characters an insertion at the cursor may add.
    int room() const;
    // `text` shortened to `room()`, never splitting a surrogate pair; notes the cut.
    QString fitted(const QString &text);
};
