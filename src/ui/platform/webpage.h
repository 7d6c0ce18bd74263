#pragma once

#include <QString>

// Hands an http or https address to the desktop to open in the default browser; any other text
// is ignored. Returns at once; a failure (no browser) is not reported and changes nothing.
void OpenWebPage(const QString &address);
