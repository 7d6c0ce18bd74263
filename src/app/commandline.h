#pragma once

#include <QStringList>

// The program's own command line: --help and --version, nothing else. Qt's options (-platform,
// -style, ...) belong to the application object, which takes them out of the list first.
namespace CommandLine {

enum class Outcome { Run, Exit, Refuse };

// Before the application object exists (so that --help needs no display): answers --help and
// --version on standard output and asks the caller to exit; anything else is left for later.
Outcome answerRequests(const QStringList &rawArguments);

// After the application object has taken its own options: anything left is refused with one line
// on standard error.
Outcome refuseLeftovers(const QStringList &remainingArguments);

} // namespace CommandLine
