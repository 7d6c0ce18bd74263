#pragma once

#include "book/layout/blocks.h"

#include <QFont>

class QPlainTextEdit;
class QWidget;

// Turns content blocks into the widgets of a page.
namespace PageBuilder {

QFont fontOf(const FontSpec &look);

// Adds the blocks' widgets to the page, in block order; returns the widget of each block.
QVector<QWidget *> build(QWidget *page, const TPageContent &content);

QWidget *buildBlock(QWidget *page, const TContentBlock &block);

// The height a text box needs to show all of its text at its current width and font.
int fittedHeight(const QPlainTextEdit *box);
// The tops of lines `lines` (0-based, counting wrapped lines) of a text box, in its parent's
// coordinates. The text is laid out once for all of them.
QVector<int> lineTops(const QPlainTextEdit *box, const QVector<int> &lines);

} // namespace PageBuilder
