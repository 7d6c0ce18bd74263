#pragma once

class QWidget;

// The red outline on an answer the reader has still to give, after a finish that found it
// missing. A choice group draws it on its card; any other control (a score box) gets it from a
// style sheet of its own.
namespace MissingMark {
void set(QWidget *widget, bool marked);
bool isSet(const QWidget *widget);
} // namespace MissingMark
