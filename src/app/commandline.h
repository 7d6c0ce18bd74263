#pragma once

#include <QStringList>

// The program's own command line: --help and --version; Qt's options (-platform, -style, ...)
// pass through to the application object; anything else is refused.
namespace CommandLine {

enum class Outcome { Run, Exit, Refuse };

// Judged before the application object exists, so that neither an answer nor a refusal needs a
// display: --help and --version are answered on standard output (Exit); an argument that is
// neither ours nor Qt's is refused with one line on standard error (Refuse).
Outcome judge(const QStringList &rawArguments);

} // namespace CommandLine
