#include "app/startup.h"

#include "app/commandline.h"
#include "book/texts.h"
#include "ui/mainwindow.h"
#include "ui/platform/fonts.h"
#include "ui/platform/sessionbus.h"
#include "ui/platform/translations.h"
#include "ui/skin/skin.h"

#include <QApplication>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <memory>
#include <vector>

#include <sys/resource.h>

namespace {

QString text(const char *key)
{
    return TextData::text(QStringLiteral(":/data/app.txt"), QString::fromLatin1(key));
}

void printLine(const QString &line)
{
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

// Qt reads QT_SCALE_FACTOR as it is: 0 empties the screen (and overflows the window's placement),
// a negative or huge factor leaves no window at all. A factor outside what any screen uses is
// set aside with one line, and the program starts at its normal size.
constexpr double kLeastScale = 0.5;
constexpr double kMostScale = 5.0;

void setAsideAbsurdScale()
{
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return;
    const QString given = qEnvironmentVariable("QT_SCALE_FACTOR");
    bool ok = false;
    const double factor = given.trimmed().toDouble(&ok);
    if (given.trimmed().isEmpty() || (ok && std::isfinite(factor) && factor >= kLeastScale && factor <= kMostScale))
        return;
    qunsetenv("QT_SCALE_FACTOR");
    printLine(text("scale.ignored").arg(given).arg(kLeastScale).arg(kMostScale));
}

// While the application object is made, Qt's notices are held back: where no platform can start
// (no display, a platform that does not exist) Qt would print them and abort; the reader gets
// one line and exit status 1 instead. Otherwise they are passed on as they came.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> &held()
{
    static std::vector<HeldMessage> messages;
    return messages;
}

void holdOrGiveUp(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        printLine(text("noplatform"));
        std::_Exit(1);
    }
    held().push_back({type, QByteArray(context.category ? context.category : ""), message});
}

std::unique_ptr<QApplication> makeApplication(int &argc, char **argv)
{
    const QtMessageHandler previous = qInstallMessageHandler(holdOrGiveUp);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldMessage &m : held()) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.category.constData());
        qt_message_output(m.type, context, m.text);
    }
    held().clear();
    return app;
}

// Memory that cannot be had (a tight limit) ends the program with one line rather than an abort.
// The line is read while memory is still there.
std::terminate_handler standardTerminate = nullptr;
QByteArray &exhaustionLine()
{
    static QByteArray line;
    return line;
}

[[noreturn]] void endOnExhaustion()
{
    if (const std::exception_ptr pending = std::current_exception()) {
        try {
            std::rethrow_exception(pending);
        } catch (const std::bad_alloc &) {
            std::fputs(exhaustionLine().constData(), stderr);
            std::_Exit(1);
        } catch (...) {
        }
    }
    if (standardTerminate)
        standardTerminate();
    std::abort();
}

// Under a tight memory limit Qt does not fail cleanly: where its D-Bus thread cannot start, the
// screen-reader bridge waits for it for ever; a little above, a picture that could not be decoded
// is drawn from nothing. The program needs about 120 MB of address space; below this floor it
// does not try, and says why.
constexpr rlim_t kLeastAddressSpace = rlim_t(160) << 20;

bool roomEnough()
{
    for (const int resource : {RLIMIT_AS, RLIMIT_DATA}) {
        rlimit limit{};
        if (::getrlimit(resource, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur < kLeastAddressSpace)
            return false;
    }
    return true;
}

} // namespace

int Startup::run(int &argc, char **argv, const Loop &loop)
{
    exhaustionLine() = text("nomemory").toLocal8Bit() + '\n';
    standardTerminate = std::set_terminate(endOnExhaustion);
    SessionBus::neverAutolaunch();
    QApplication::setApplicationName(QStringLiteral("Pathora"));
    QApplication::setApplicationVersion(QStringLiteral(PATHORA_VERSION));
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    CommandLine::Options options;
    switch (CommandLine::judge(raw, &options)) {
    case CommandLine::Outcome::Exit:
        return 0;
    case CommandLine::Outcome::Refuse:
        return 2;
    case CommandLine::Outcome::Run:
        break;
    }
    if (!roomEnough()) {
        std::fputs(exhaustionLine().constData(), stderr);
        return 1;
    }
    setAsideAbsurdScale();

    const std::unique_ptr<QApplication> app = makeApplication(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Pathora"));
    QApplication::setDesktopFileName(QStringLiteral(PATHORA_APP_ID));
    Translations::installQtChinese(*app);
    Fonts::installSubstitutions();
    Skin::applyBuiltIn(*app);

    // The reader's records, in the user's data folder: never read from the working directory.
    TForm2 window(nullptr, {Records::Keeper::standardFolder(), options.privateSession});
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    return loop ? loop(*app, window) : app->exec();
}
