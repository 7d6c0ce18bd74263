#pragma once

#include <QString>

// Hands an http or https address to the desktop to open in the default browser and returns at
// once; any other text is refused. False when the address was refused or the desktop could not
// take it (no browser); nothing in the program changes either way.
bool OpenWebPage(const QString &address);
