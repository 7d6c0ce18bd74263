#include "ui/platform/sessionbus.h"

#include <QByteArray>
#include <QtGlobal>

#include <sys/stat.h>
#include <unistd.h>

void SessionBus::neverAutolaunch()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;   // the desktop announced its bus
    // A bus started with the user's session listens here without announcing itself; libdbus
    // would find it too, but naming it keeps the fallback below from hiding it.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        const QByteArray socket = runtime + "/bus";
        struct stat info {};
        if (::stat(socket.constData(), &info) == 0 && S_ISSOCK(info.st_mode) && info.st_uid == ::getuid()) {
            qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + socket);
            return;
        }
    }
    // No bus: an address of a kind libdbus cannot open makes every connection fail at once,
    // without a socket, where an unset one would mean "autolaunch".
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}
