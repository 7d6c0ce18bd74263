#include "app/commandline.h"

#include "book/texts.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

const QString kTexts = QStringLiteral(":/data/app.txt");

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};

    Parser()
    {
        // Single-dash words stay whole: "-reverse" is Qt's option, not -r -e -v ...
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
    }
};

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

} // namespace

CommandLine::Outcome CommandLine::answerRequests(const QStringList &rawArguments)
{
    Parser p;
    p.parser.parse(rawArguments);   // unknown words may still be Qt's: judged later
    if (p.parser.isSet(p.help)) {
        print(stdout, TextData::text(kTexts, QStringLiteral("help")));
        return Outcome::Exit;
    }
    if (p.parser.isSet(p.version)) {
        print(stdout, QStringLiteral("%1 %2").arg(QCoreApplication::applicationName().toLower(),
                                                   QCoreApplication::applicationVersion()));
        return Outcome::Exit;
    }
    return Outcome::Run;
}

CommandLine::Outcome CommandLine::refuseLeftovers(const QStringList &remainingArguments)
{
    Parser p;
    if (p.parser.parse(remainingArguments) && p.parser.positionalArguments().isEmpty())
        return Outcome::Run;
    // --help and --version were answered before; whatever is left is not ours.
    print(stderr, TextData::text(kTexts, QStringLiteral("refused")).arg(remainingArguments.value(1)));
    return Outcome::Refuse;
}
