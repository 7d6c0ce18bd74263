#pragma once

#include "pagecontent.h"

#include <QFont>

class QWidget;

// Turns content blocks into the widgets of a page.
namespace PageBuilder {

QFont fontOf(const TFontSpec &spec);

// Adds the blocks' widgets to the page, in block order; returns the widget of each block.
QVector<QWidget *> build(QWidget *page, const TPageContent &content);

QWidget *buildBlock(QWidget *page, const TContentBlock &block);

} // namespace PageBuilder
