#pragma once

// Qt's D-Bus layer talks to the desktop's session bus (screen readers reach the window through
// it). Where no bus is announced, libdbus would "autolaunch" one under X11: start dbus-launch and
// a dbus-daemon that write under ~/.dbus and outlive the program. Call before QApplication: the
// desktop's bus stays in use where there is one, and none is ever started.
namespace SessionBus {
void neverAutolaunch();
}
