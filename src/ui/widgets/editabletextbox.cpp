#include "ui/widgets/editabletextbox.h"

#include "book/texts.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPaintEvent>
#include <QTextBlock>
#include <QToolTip>

EditableTextBox::EditableTextBox(QWidget *parent) : QPlainTextEdit(parent) {}

void EditableTextBox::paintEvent(QPaintEvent *event)
{
    {
        QPainter ground(viewport());
        ground.fillRect(event->rect(), palette().color(QPalette::Base));
    }
    QPlainTextEdit::paintEvent(event);
    QPainter border(viewport());
    border.setPen(palette().color(QPalette::Dark));
    border.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
}

int EditableTextBox::length() const
{
    return document()->characterCount() - 1;   // without the end of the last paragraph
}

QString EditableTextBox::cutNote()
{
    return TextData::text(QStringLiteral(":/data/fields.txt"), QStringLiteral("cut")).arg(kMaxLength);
}

int EditableTextBox::room() const
{
    const QTextCursor cursor = textCursor();
    return kMaxLength - length() + (cursor.selectionEnd() - cursor.selectionStart());
}

QString EditableTextBox::fitted(const QString &text)
{
    const int room = qMax(0, this->room());
    if (text.size() <= room)
        return text;
    qsizetype keep = room;
    if (keep > 0 && text[keep - 1].isHighSurrogate())
        --keep;
    QToolTip::showText(viewport()->mapToGlobal(cursorRect().bottomLeft()), cutNote(), this);
    return text.left(keep);
}

void EditableTextBox::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText() || source->text().size() <= room()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QMimeData cut;
    cut.setText(fitted(source->text()));
    QPlainTextEdit::insertFromMimeData(&cut);
}

void EditableTextBox::keyPressEvent(QKeyEvent *event)
{
    // The keys that insert text in a plain text box: Return and Enter (a line break), and printable
    // text or a tab without Ctrl.
    const QString text = event->text();
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool inserts = !isReadOnly()
                         && (lineBreak
                             || (!text.isEmpty() && (text.at(0).isPrint() || text.at(0) == QLatin1Char('\t'))
                                 && !(event->modifiers() & Qt::ControlModifier)));
    if (inserts) {
        const QString wanted = lineBreak ? QStringLiteral("\n") : text;
        if (wanted.size() > room()) {
            event->accept();
            const QString kept = fitted(wanted);
            if (!kept.isEmpty())
                insertPlainText(kept);
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void EditableTextBox::inputMethodEvent(QInputMethodEvent *event)
{
    const QString commit = event->commitString();
    // The commit replaces the selection or the given range; count that back into the room.
    const int replaced = event->replacementLength() > 0 ? event->replacementLength() : 0;
    if (commit.size() <= room() + replaced) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    const int keep = qMax(0, room() + replaced);
    QString kept = commit.left(keep);
    if (!kept.isEmpty() && kept.back().isHighSurrogate())
        kept.chop(1);
    cut.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QToolTip::showText(viewport()->mapToGlobal(cursorRect().bottomLeft()), cutNote(), this);
    QPlainTextEdit::inputMethodEvent(&cut);
}
