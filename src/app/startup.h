#pragma once

#include <functional>

class QApplication;
class TForm2;

// What the program does from main() to its event loop: the command line judged before any
// platform is needed, the environment made safe, the application object (or one line saying why
// there can be none), Qt's Chinese texts, the fonts, the skin, the window.
namespace Startup {

// Runs the event loop by default; a scripted session passes its own loop. Returns the exit status.
using Loop = std::function<int(QApplication &, TForm2 &)>;
int run(int &argc, char **argv, const Loop &loop = {});

} // namespace Startup
