#include "app/commandline.h"

#include "book/texts.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

const QString kTexts = QStringLiteral(":/data/app.txt");

// The options Qt's application objects take out of the arguments themselves (the platform's,
// the GUI's, the widgets'), so that they can be told from foreign words before any exists.
const char *const kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry",
    "qwindowtitle", "title", "qwindowicon", "icon", "session", "display", "name", "visual",
    "style", "stylesheet", "qmljsdebugger",
};
const char *const kQtFlags[] = {"reverse", "widgetcount", "sync", "nograb", "dograb", "testability"};

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}};
    QCommandLineOption privateSession{QStringLiteral("private")};

    Parser()
    {
        // Single-dash words stay whole: "-reverse" is Qt's option, not -r -e -v ...
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
        parser.addOption(privateSession);
        for (const char *name : kQtOptionsWithValue)
            parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
        for (const char *name : kQtFlags)
            parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    }
};

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

} // namespace

CommandLine::Outcome CommandLine::judge(const QStringList &rawArguments, Options *options)
{
    Parser p;
    const bool known = p.parser.parse(rawArguments);
    if (options)
        options->privateSession = p.parser.isSet(p.privateSession);
    if (p.parser.isSet(p.help)) {
        print(stdout, TextData::text(kTexts, QStringLiteral("help")));
        return Outcome::Exit;
    }
    if (p.parser.isSet(p.version)) {
        print(stdout, QStringLiteral("%1 %2").arg(QCoreApplication::applicationName().toLower(),
                                                   QCoreApplication::applicationVersion()));
        return Outcome::Exit;
    }
    if (known && p.parser.positionalArguments().isEmpty())
        return Outcome::Run;
    const QStringList unknown = p.parser.unknownOptionNames();
    QString word = p.parser.positionalArguments().value(0);
    if (!unknown.isEmpty()) {
        // Named as it was typed, dashes and all.
        word = unknown.first();
        for (const QString &argument : rawArguments.mid(1)) {
            if (argument.section(QLatin1Char('='), 0, 0).endsWith(QLatin1Char('-') + word)) {
                word = argument;
                break;
            }
        }
    } else if (word.isEmpty()) {
        word = rawArguments.value(rawArguments.size() - 1);   // an option that lacks its value
    }
    print(stderr, TextData::text(kTexts, QStringLiteral("refused")).arg(word));
    return Outcome::Refuse;
}
