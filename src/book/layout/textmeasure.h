#pragma once

#include <QFont>
#include <QString>
#include <QTextOption>
#include <QVector>

#include <climits>

class QTextDocument;

// How much room a text takes in a plain text box, measured with QTextLayout the way the box
// lays it out: every line of the text is one paragraph, wrapped at word boundaries (long words
// anywhere) within the box's width less the document margin on both sides. Needs no widget,
// so layouts, tools and tests measure exactly what the reader will see.
class TextMeasure {
public:
    TextMeasure(const QString &text, const QFont &font, int width, qreal margin,
                Qt::Alignment align = Qt::AlignLeft);
    // The same figures read from a document's own layout, which lays out (and keeps) each
    // paragraph as it is asked for: what is measured is what the document later paints. Stops
    // after the paragraph that reaches below `limit` (from the top edge); complete() says
    // whether it got to the end.
    explicit TextMeasure(const QTextDocument &document, qreal limit = qreal(INT_MAX));

    // The text's height with the margins above and below.
    qreal height() const;
    // The top of display line `line` (0-based, wrapped lines counted) below the box's top edge;
    // past the last line, the height.
    qreal lineTop(int line) const;
    int lineCount() const;
    bool complete() const { return m_complete; }

private:
    struct Paragraph {
        qreal top;
        qreal height;
        int lines;
    };
    QVector<Paragraph> m_paragraphs;
    qreal m_margin;
    bool m_complete = true;
};
