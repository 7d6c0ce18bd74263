// What the program touches, watched from outside with strace: a scripted session (every page, a
// questionnaire, a web link, closing) creates no file, opens no socket but the display's and the
// C library's own look-ups, and starts no process. Under X11 too, where a missing session bus
// once made Qt start one.
#include "records/recordstore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

namespace {

// Sockets the program may connect to: the X display, the C library's name-service cache and
// the desktop's session bus.
bool allowedSocket(const QString &path, const QString &bus)
{
    return path.startsWith(QLatin1String("/tmp/.X11-unix/")) || path.endsWith(QLatin1String("/nscd/socket"))
        || path == bus;
}

// The offending lines of an strace log (-f -e trace=file,network,process), empty when clean.
QStringList offences(const QString &log, const QString &bus, const QString &records = {})
{
    static const QRegularExpression call(QStringLiteral(R"(^(?:\[pid\s+\d+\]\s+)?(?:\d+\s+)?(\w+)\((.*)$)"));
    static const QRegularExpression writeFlags(QStringLiteral(R"(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND)"));
    static const QRegularExpression unixPath(QStringLiteral(R"(sun_path=(?:@)?"([^"]*)\")"));
    static const QStringList creating{"creat", "mkdir", "mkdirat", "unlink", "unlinkat", "rename", "renameat",
                                      "renameat2", "link", "linkat", "symlink", "symlinkat", "truncate", "mknod",
                                      "mknodat", "chmod", "fchmodat", "chown", "fchownat", "utimensat"};
    QStringList found;
    int execs = 0;
    for (const QString &line : log.split(QLatin1Char('\n'))) {
        const auto m = call.match(line);
        if (!m.hasMatch())
            continue;
        const QString name = m.captured(1), args = m.captured(2);
        // A file call that failed changed nothing (Qt tries to make the runtime folder it already
        // has); a process or a socket counts even as an attempt.
        const bool failed = args.contains(QLatin1String(" = -1 "));
        bool bad = false;
        if (failed && name != QLatin1String("execve") && name != QLatin1String("socket")
            && name != QLatin1String("connect"))
            continue;
        if (name == QLatin1String("open") || name == QLatin1String("openat") || name == QLatin1String("openat2"))
            bad = args.contains(writeFlags) && !args.contains(QLatin1String("/dev/"));
        else if (creating.contains(name))
            bad = true;
        else if (name == QLatin1String("execve"))
            bad = ++execs > 1;
        else if (name == QLatin1String("fork") || name == QLatin1String("vfork"))
            bad = true;
        else if (name == QLatin1String("clone") || name == QLatin1String("clone3"))
            bad = !args.contains(QLatin1String("CLONE_THREAD"));
        else if (name == QLatin1String("socket"))
            bad = !args.startsWith(QLatin1String("AF_UNIX"));
        else if (name == QLatin1String("connect")) {
            const auto path = unixPath.match(args);
            bad = !path.hasMatch() || !allowedSocket(path.captured(1), bus);
        } else if (name == QLatin1String("bind") || name == QLatin1String("listen"))
            bad = true;
        // The reader's records, with keeping on, are written in their own folder and nowhere else.
        if (bad && !records.isEmpty() && (name.startsWith(QLatin1String("open")) || creating.contains(name))
            && (args.startsWith(QStringLiteral("AT_FDCWD, \"%1").arg(records)) || args.startsWith(QStringLiteral("\"%1").arg(records))))
            bad = false;
        if (bad)
            found << line;
    }
    return found;
}

// An X server on a free display number, chosen by the server and written to its standard
// output; the DISPLAY value, or empty when it did not start.
QString startDisplay(QProcess &display, const QString &xvfb)
{
    display.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                         QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1280x800x24")});
    if (!display.waitForStarted())
        return {};
    QElapsedTimer waited;
    waited.start();
    while (!display.canReadLine() && waited.elapsed() < 10000)
        display.waitForReadyRead(200);
    const QString number = QString::fromLatin1(display.readLine()).trimmed();
    return number.isEmpty() ? QString() : QLatin1Char(':') + number;
}

} // namespace

class TestFootprint : public QObject {
    Q_OBJECT
private slots:
    void sessionTouchesNothing_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("bus");
        QTest::addColumn<QString>("records");
        QTest::newRow("offscreen") << "offscreen" << false << "";
        QTest::newRow("X11 without a session bus") << "xcb" << false << "";
        QTest::newRow("X11 with a session bus") << "xcb" << true << "";
        // A store left with keeping on: --private opens and writes nothing; otherwise only the store.
        QTest::newRow("offscreen, records kept, --private") << "offscreen" << false << "private";
        QTest::newRow("offscreen, records kept") << "offscreen" << false << "on";
    }
    void sessionTouchesNothing()
    {
        QFETCH(QString, platform);
        QFETCH(bool, bus);
        QFETCH(QString, records);
        const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
        if (strace.isEmpty())
            QSKIP("strace is not installed (Debian package strace)");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        // A desktop session's own folders, as the login manager makes them, but no bus listening.
        const QString home = dir.filePath(QStringLiteral("home")), runtime = dir.filePath(QStringLiteral("run"));
        QVERIFY(QDir().mkpath(home) && QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert(QStringLiteral("HOME"), home);
        env.remove(QStringLiteral("XDG_DATA_HOME"));
        const QString folder = home + QStringLiteral("/.local/share/Pathora");
        QByteArray storeBefore;
        if (!records.isEmpty()) {
            Records::Store store(folder);
            QCOMPARE(store.open(), Records::Store::Opened::Ready);
            Records::Batch keep;
            keep.putSettings.insert(Records::Store::settingKeep(), QStringLiteral("1"));
            QVERIFY(store.write(keep));
            store.close();
            QFile file(store.path());
            QVERIFY(file.open(QIODevice::ReadOnly));
            storeBefore = file.readAll();
        }
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        // In a sanitizer build the leak checker's own helper would count as a started process.
        env.insert(QStringLiteral("ASAN_OPTIONS"), env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));

        QProcess display;
        if (platform == QLatin1String("xcb")) {
            const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
            if (xvfb.isEmpty())
                QSKIP("Xvfb is not installed (Debian package xvfb): no X11 session to watch");
            const QString number = startDisplay(display, xvfb);
            QVERIFY(!number.isEmpty());
            env.insert(QStringLiteral("DISPLAY"), number);
        }

        // The desktop's bus, listening where a user session puts it; the program must still use it.
        QProcess daemon;
        const QString busPath = runtime + QStringLiteral("/bus");
        if (bus) {
            daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                         QStringLiteral("--address=unix:path=") + busPath});
            if (!daemon.waitForStarted())
                QSKIP("dbus-daemon is not installed: no session bus to offer");
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(busPath), 10000);
        }

        const QString logPath = dir.filePath(QStringLiteral("trace"));
        QProcess run;
        run.setProcessEnvironment(env);
        run.setWorkingDirectory(dir.path());
        QStringList traced{QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-e"),
                           QStringLiteral("trace=file,network,process"), QStringLiteral("-o"), logPath,
                           QStringLiteral(PATHORA_SESSION)};
        if (records == QLatin1String("private"))
            traced << QStringLiteral("--private");
        run.start(strace, traced);
        QVERIFY(run.waitForFinished(120000));
        const QString err = QString::fromLocal8Bit(run.readAllStandardError());
        if (err.contains(QLatin1String("PTRACE_TRACEME")) || err.contains(QLatin1String("Operation not permitted")))
            QSKIP(qPrintable(QStringLiteral("ptrace is not permitted here, so strace cannot watch: ") + err.trimmed()));
        QVERIFY2(run.exitCode() == 0, qPrintable(err + QString::fromLocal8Bit(run.readAllStandardOutput())));
        QFile log(logPath);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString trace = QString::fromLocal8Bit(log.readAll());
        const QStringList found = offences(trace, bus ? busPath : QString(), records == QLatin1String("on") ? folder : QString());
        QVERIFY2(found.isEmpty(), qPrintable(found.mid(0, 20).join(QLatin1Char('\n'))));
        if (records.isEmpty()) {
            QVERIFY(QDir(home).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        } else {
            const QStringList kept = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            QFile file(folder + QStringLiteral("/records.db"));
            QVERIFY(file.open(QIODevice::ReadOnly));
            if (records == QLatin1String("private")) {
                QCOMPARE(kept, QStringList{QStringLiteral("records.db")});
                QCOMPARE(file.readAll(), storeBefore);   // not even opened for writing
            } else {
                // The session's finished questionnaire is in the store.
                QVERIFY2(!trace.contains(QStringLiteral("records.broken")), "the store was set aside");
                QVERIFY(file.readAll() != storeBefore || kept.contains(QStringLiteral("records.db-wal")));
            }
        }
        QCOMPARE(QDir(runtime).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
                 bus ? QStringList{QStringLiteral("bus")} : QStringList());
        if (bus)
            QVERIFY2(trace.contains(QStringLiteral("sun_path=\"%1\"").arg(busPath)), "the session bus was not used");
        for (QProcess *helper : {&display, &daemon}) {
            helper->terminate();
            helper->waitForFinished();
        }
    }
    // Start-up ends under any memory limit: with the window (the session runs through), or with
    // one line and exit status 1; never a wait for ever, an abort or a crash. A limit between
    // about 100 and 110 MB once left the program waiting for a D-Bus thread that could not start.
    void startUpEndsUnderAMemoryLimit_data()
    {
        QTest::addColumn<int>("megabytes");
        QTest::addColumn<bool>("runs");
        QTest::newRow("104 MB") << 104 << false;
        QTest::newRow("112 MB") << 112 << false;
        QTest::newRow("150 MB") << 150 << false;
        QTest::newRow("400 MB") << 400 << true;
    }
    void startUpEndsUnderAMemoryLimit()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer reserves more address space than any such limit allows");
#endif
        QFETCH(int, megabytes);
        QFETCH(bool, runs);
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            QSKIP("Xvfb is not installed (Debian package xvfb): the wait came from X11's screen-reader bridge");
        QProcess display;
        const QString number = startDisplay(display, xvfb);
        QVERIFY(!number.isEmpty());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), number);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        QProcess run;
        run.setProcessEnvironment(env);
        const rlim_t bytes = rlim_t(megabytes) << 20;
        run.setChildProcessModifier([bytes] {
            const rlimit limit{bytes, bytes};
            ::setrlimit(RLIMIT_AS, &limit);
        });
        run.start(QStringLiteral(PATHORA_SESSION), QStringList());
        const bool ended = run.waitForFinished(60000);
        if (!ended)
            run.kill();
        display.terminate();
        display.waitForFinished();
        QVERIFY2(ended, "start-up did not end within a minute");
        const QString err = QString::fromLocal8Bit(run.readAllStandardError());
        QCOMPARE(run.exitStatus(), QProcess::NormalExit);   // no abort, no crash
        QVERIFY2(run.exitCode() == (runs ? 0 : 1), qPrintable(err));
        if (!runs)
            QVERIFY2(err.contains(QStringLiteral("内存不足")), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(TestFootprint)
#include "tst_footprint.moc"
