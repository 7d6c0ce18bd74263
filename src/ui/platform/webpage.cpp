#include "ui/platform/webpage.h"

#include <QDesktopServices>
#include <QUrl>

bool OpenWebPage(const QString &address)
{
    // Only a web address goes to the desktop: anything else (a path, "--help", another scheme)
    // would reach the opener as an argument or a command of its own.
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return false;
    return QDesktopServices::openUrl(url);
}
