#pragma once

#include <QStringList>

// The e-book's font faces ("宋体", "MS Sans Serif") are drawn with the program's own subsets of
// Noto Serif CJK SC and Noto Sans CJK SC (as "Pathora Serif" and "Pathora Sans"), registered from
// its resources, so Chinese text needs no font of the machine's.
namespace Fonts {
// Registers the embedded faces (once) and maps the book's faces onto them, then onto faces a
// machine may have.
void installSubstitutions();
// The resource paths of the embedded faces (empty if the program was built without them).
QStringList embeddedFaces();
}
