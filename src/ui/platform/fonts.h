#pragma once

// Maps the e-book's font faces ("宋体", "MS Sans Serif") onto faces this machine has, with a
// CJK face behind each so Chinese text never falls back to boxes.
namespace Fonts {
void installSubstitutions();
}
