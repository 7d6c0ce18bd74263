#pragma once

#include <QString>

// Hands an address to the desktop to open in the default browser and returns at once. False when
// the desktop could not take it (no browser); nothing in the program changes either way.
bool OpenWebPage(const QString &address);
