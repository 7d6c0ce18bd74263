#pragma once

#include <QString>

// Hands an address to the desktop to open in the default browser. Returns at once; a failure
// (no browser) is not reported and changes nothing.
void OpenWebPage(const QString &address);
