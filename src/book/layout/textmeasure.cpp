#include "book/layout/textmeasure.h"

#include <QAbstractTextDocumentLayout>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>

TextMeasure::TextMeasure(const QString &text, const QFont &font, int width, qreal margin, Qt::Alignment align)
    : m_margin(margin)
{
    QTextOption option(align);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const qreal available = (width > 0 ? width : qreal(INT_MAX)) - 2 * margin;
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    qreal top = margin;
    for (int i = 0; i < paragraphs.size(); ++i) {
        QTextLayout layout(paragraphs[i], font);
        layout.setTextOption(option);
        layout.beginLayout();
        qreal y = 0;
        int lines = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(available);
            line.setPosition(QPointF(margin, y));
            y += line.height();
            if (line.leading() < 0)
                y += qCeil(line.leading());
            ++lines;
        }
        layout.endLayout();
        // A paragraph is as tall as its lines reach; the last one also carries the bottom margin.
        qreal height = layout.boundingRect().bottom();
        if (i == paragraphs.size() - 1)
            height += margin;
        m_paragraphs.append({top, height, qMax(1, lines)});
        top += height;
    }
}

TextMeasure::TextMeasure(const QTextDocument &document, qreal limit)
    : m_margin(document.documentMargin())
{
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    qreal top = m_margin;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (top > limit) {
            m_complete = false;
            break;
        }
        // A plain text layout gives each paragraph the height its lines reach, and the last one
        // the bottom margin too, exactly as above.
        const qreal height = layout->blockBoundingRect(block).height();
        m_paragraphs.append({top, height, qMax(1, block.layout()->lineCount())});
        top += height;
    }
}

qreal TextMeasure::height() const
{
    qreal sum = 0;
    for (const Paragraph &p : m_paragraphs)
        sum += p.height;
    return sum + 2 * m_margin;
}

qreal TextMeasure::lineTop(int line) const
{
    for (const Paragraph &p : m_paragraphs) {
        if (line < p.lines)
            return p.top + p.height * line / p.lines;
        line -= p.lines;
    }
    return height();
}

int TextMeasure::lineCount() const
{
    int n = 0;
    for (const Paragraph &p : m_paragraphs)
        n += p.lines;
    return n;
}
