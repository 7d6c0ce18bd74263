#pragma once

#include <QStringList>

// The program's own command line: --help, --version and --private; Qt's options (-platform, -style, ...)
// pass through to the application object; anything else is refused.
namespace CommandLine {

enum class Outcome { Run, Exit, Refuse };

// What a run asks for besides Qt's own options.
struct Options {
    bool privateSession = false;   // --private: nothing of the reader's records is read or written
};

// Judged before the application object exists, so that neither an answer nor a refusal needs a
// display: --help and --version are answered on standard output (Exit); an argument that is
// neither ours nor Qt's is refused with one line on standard error (Refuse).
Outcome judge(const QStringList &rawArguments, Options *options = nullptr);

} // namespace CommandLine
