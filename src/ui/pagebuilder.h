#pragma once

#include "book/layout/blocks.h"

#include <QFont>

#include <climits>
#include <functional>

class DeferredBuild;
class QPlainTextEdit;
class QWidget;

// Turns content blocks into the widgets of a page.
namespace PageBuilder {

QFont fontOf(const FontSpec &look);


// Adds the blocks' widgets to the page, in block order, as far as a first view that ends at
// `fold` (page coordinates) reaches: every block up to the last one known to start above the fold
// is built now, and a text box that runs past it is measured as far as the fold. What is left
// goes to `rest`, in order. Without a fold, the whole page is built now.
void build(QWidget *page, const TPageContent &content, DeferredBuild &rest, int fold = INT_MAX);

// One block's widget; a text box as tall as its text is measured only `fitLimit` down from its
// top for now, the box reaching past it (see fitTextInSteps for the rest).
QWidget *buildBlock(QWidget *page, const TContentBlock &block, int fitLimit = INT_MAX);

// Measures the rest of a box fitted with a limit 600 px at a time, each part a step of `rest`
// that goes before the steps queued so far; `then` runs once the box is measured whole.
void fitTextInSteps(QPlainTextEdit *box, DeferredBuild &rest, const std::function<void()> &then = {});
// False while a box fitted with a limit waits for the rest of its text to be measured.
bool measuredWhole(const QPlainTextEdit *box);

// The height a text box needs to show all of its text at its current width and font. The box's
// own document is laid out for it, once: painting later uses the same layout.
int fittedHeight(QPlainTextEdit *box);
// The tops of lines `lines` (0-based, counting wrapped lines) of a text box, in its parent's
// coordinates. The text is laid out once for all of them. With a limit, only the text down to
// `limit` below the box's top is measured, and the lines beyond it are left out.
QVector<int> lineTops(QPlainTextEdit *box, const QVector<int> &lines, int limit = INT_MAX);

} // namespace PageBuilder
