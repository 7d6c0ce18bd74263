// The reader's records through real restarts and kills (the scripted program as a child process,
// with its own XDG_DATA_HOME), and the store's own cases: broken files, the first schema version,
// a disk that fills up.
#include "records/keeper.h"
#include "records/recordstore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Run {
    int status = -1;
    QHash<QString, QString> said;
    QString out;
};

Run runSession(const QString &home, const QStringList &arguments)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    // Whatever the umask, the records are the owner's alone.
    p.start(QStringLiteral("/bin/sh"), QStringList{QStringLiteral("-c"), QStringLiteral("umask 0; exec \"$0\" \"$@\""),
                                                   QStringLiteral(PATHORA_RECORDS_SESSION)} + arguments);
    Run run;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return run;
    }
    run.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    for (const QString &line : run.out.split(QLatin1Char('\n'))) {
        const qsizetype colon = line.indexOf(QStringLiteral(": "));
        if (colon > 0)
            run.said.insert(line.left(colon), line.mid(colon + 2));
    }
    return run;
}

QString storeIn(const QString &home)
{
    return home + QStringLiteral("/Pathora");
}

// A connection of the test's own to a store file: the integrity check, and what it holds.
struct Peek {
    QString name = QStringLiteral("peek-%1").arg(QRandomGenerator::global()->generate());
    explicit Peek(const QString &file)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        db.open();
    }
    ~Peek() { QSqlDatabase::removeDatabase(name); }
    QString value(const QString &sql) const
    {
        QSqlQuery q(QSqlDatabase::database(name));
        return q.exec(sql) && q.next() ? q.value(0).toString() : QStringLiteral("<none>");
    }
};

int mode(const QString &path)
{
    struct stat s {};
    return ::stat(QFile::encodeName(path).constData(), &s) == 0 ? int(s.st_mode & 07777) : -1;
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void keptAcrossARestart()
    {
        QTemporaryDir home;
        const Run fill = runSession(home.path(), {QStringLiteral("fill")});
        QCOMPARE(fill.status, 0);
        const Run check = runSession(home.path(), {QStringLiteral("check")});
        QCOMPARE(check.status, 0);
        QCOMPARE(check.said.value(QStringLiteral("keeping")), QStringLiteral("1"));
        QCOMPARE(check.said.value(QStringLiteral("history")), QStringLiteral("1"));
        QVERIFY2(check.said.value(QStringLiteral("offer")).startsWith(QStringLiteral("继续上次的作答（已答 10 / 15 题，")),
                 qPrintable(check.out));
        QCOMPARE(check.said.value(QStringLiteral("answered")), QStringLiteral("10"));
        QCOMPARE(check.said.value(QStringLiteral("text")), QStringLiteral("1"));
        QCOMPARE(check.said.value(QStringLiteral("continued")), QStringLiteral("20"));
        // The folder and every file in it are the owner's alone, though the umask was 0.
        QCOMPARE(mode(storeIn(home.path())), 0700);
        const QStringList files = QDir(storeIn(home.path())).entryList(QDir::Files);
        QVERIFY(files.contains(QStringLiteral("records.db")));
        for (const QString &f : files)
            QCOMPARE(mode(storeIn(home.path()) + QLatin1Char('/') + f), 0600);
    }

    // Killed at random moments while the reader types and answers: every store reopens whole, and
    // what was given more than two seconds before the kill is there.
    void killedWhileTyping()
    {
        const int rounds = qEnvironmentVariableIntValue("PATHORA_KILL_ROUNDS") > 0
                               ? qEnvironmentVariableIntValue("PATHORA_KILL_ROUNDS") : 50;
        QTemporaryDir home;
        for (int round = 0; round < rounds; ++round) {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            p.setProcessEnvironment(env);
            p.start(QStringLiteral(PATHORA_RECORDS_SESSION), {QStringLiteral("storm"), QString::number(round)});
            QVERIFY(p.waitForStarted());
            // What the child said it had done, with the time it said it.
            int typedSafe = 0, answeredSafe = 0;
            QList<QPair<qint64, QString>> said;
            QElapsedTimer clock;
            clock.start();
            const qint64 killAt = 2500 + QRandomGenerator::global()->bounded(2500);
            QByteArray pending;
            while (clock.elapsed() < killAt) {
                p.waitForReadyRead(20);
                pending += p.readAllStandardOutput();
                qsizetype nl;
                while ((nl = pending.indexOf('\n')) >= 0) {
                    said.append({clock.elapsed(), QString::fromUtf8(pending.left(nl))});
                    pending.remove(0, nl + 1);
                }
            }
            QVERIFY2(p.state() == QProcess::Running, qPrintable(QStringLiteral("round %1: the program ended before the kill: %2")
                                                                  .arg(round).arg(QString::fromUtf8(p.readAllStandardError()))));
            ::kill(pid_t(p.processId()), SIGKILL);
            p.waitForFinished();
            for (const auto &[at, line] : std::as_const(said)) {
                if (at > killAt - 2000)
                    break;
                if (line.startsWith(QStringLiteral("typed ")))
                    typedSafe = line.mid(6).toInt();
                else if (line.startsWith(QStringLiteral("answered ")))
                    answeredSafe = line.mid(9).toInt();
            }
            const QString file = storeIn(home.path()) + QStringLiteral("/records.db");
            Peek peek(file);
            QCOMPARE(peek.value(QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
            // Each round types on at the end of what the last left.
            const QString text = peek.value(QStringLiteral("SELECT text FROM texts WHERE box = 'TabSheet23/ArticleBox3'"));
            static int typedBefore = 0;
            const int hashes = int(text.count(QLatin1Char('#')));
            QVERIFY2(typedSafe == 0 || hashes >= typedBefore + typedSafe,
                     qPrintable(QStringLiteral("round %1: %2 typed before, %3 more, %4 kept").arg(round).arg(typedBefore).arg(typedSafe).arg(hashes)));
            typedBefore = qMax(typedBefore, hashes);
            if (answeredSafe > 0) {
                const int answered = peek.value(QStringLiteral("SELECT answered FROM attempts WHERE page = 5")).toInt();
                QVERIFY2(answered >= answeredSafe, qPrintable(QStringLiteral("round %1: %2 answered, %3 kept").arg(round).arg(answeredSafe).arg(answered)));
            }
        }
    }

    void twoWindowsAtOnce()
    {
        QTemporaryDir home;
        QCOMPARE(runSession(home.path(), {QStringLiteral("fill")}).status, 0);
        QProcess a, b;
        for (QProcess *p : {&a, &b}) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            p->setProcessEnvironment(env);
            p->start(QStringLiteral(PATHORA_RECORDS_SESSION), {QStringLiteral("finish"), QString::number(p == &a ? 0 : 40)});
        }
        QVERIFY(a.waitForFinished(60000) && b.waitForFinished(60000));
        QCOMPARE(a.exitCode(), 0);
        QCOMPARE(b.exitCode(), 0);
        Peek peek(storeIn(home.path()) + QStringLiteral("/records.db"));
        QCOMPARE(peek.value(QStringLiteral("SELECT count(*) FROM results WHERE page = 6")), QStringLiteral("3"));
        QCOMPARE(peek.value(QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
    }

    void brokenStoreSetAside_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("folder");
        QByteArray random(8192, '\0');
        for (char &c : random)
            c = char(QRandomGenerator::global()->bounded(256));
        QTest::newRow("random bytes") << random << false;
        QTest::newRow("not a database") << QByteArray("notes of mine\n") << false;
        QTest::newRow("truncated") << QByteArray("truncated") << false;   // made below from a real store
        QTest::newRow("newer schema") << QByteArray("newer") << false;
        QTest::newRow("a folder in its place") << QByteArray() << true;
    }
    void brokenStoreSetAside()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, folder);
        QTemporaryDir home;
        const QString dir = storeIn(home.path());
        const QString file = dir + QStringLiteral("/records.db");
        QDir().mkpath(dir);
        if (bytes == "truncated" || bytes == "newer") {
            QCOMPARE(runSession(home.path(), {QStringLiteral("fill")}).status, 0);
            if (bytes == "newer") {
                Peek(file).value(QStringLiteral("PRAGMA user_version=99"));
            } else {
                QFile f(file);
                QVERIFY(f.open(QIODevice::ReadWrite));
                QVERIFY(f.resize(f.size() / 2 + 100));
                QFile::remove(file + QStringLiteral("-wal"));
                QFile::remove(file + QStringLiteral("-shm"));
            }
        } else if (folder) {
            QVERIFY(QDir().mkpath(file + QStringLiteral("/inside")));
        } else {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        QByteArray before;
        if (!folder) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            before = f.readAll();
        }
        const Run run = runSession(home.path(), {QStringLiteral("check")});
        QCOMPARE(run.status, 0);
        const QString aside = dir + QStringLiteral("/records.broken-") + QDate::currentDate().toString(Qt::ISODate) + QStringLiteral(".db");
        QVERIFY2(run.said.value(QStringLiteral("box")).contains(aside) && run.said.value(QStringLiteral("box")).contains(file),
                 qPrintable(run.out));
        if (folder) {
            QVERIFY(QFileInfo(aside + QStringLiteral("/inside")).isDir());
        } else {
            QFile f(aside);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), before);
        }
        // A new, empty store in its place, and keeping on.
        QCOMPARE(run.said.value(QStringLiteral("keeping")), QStringLiteral("1"));
        QCOMPARE(run.said.value(QStringLiteral("results6")), QStringLiteral("0"));
        QCOMPARE(Peek(file).value(QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
    }

    void firstVersionOpens()
    {
        QTemporaryDir home;
        const QString file = home.path() + QStringLiteral("/records.db");
        {
            Peek v1(file);
            for (const char *sql : {"CREATE TABLE settings(key TEXT PRIMARY KEY, value TEXT NOT NULL)",
                                    "CREATE TABLE results(uid TEXT PRIMARY KEY, page INTEGER NOT NULL, at INTEGER NOT NULL,"
                                    " score TEXT NOT NULL, band TEXT NOT NULL, answers TEXT NOT NULL)",
                                    "CREATE TABLE texts(box TEXT PRIMARY KEY, text TEXT NOT NULL, at INTEGER NOT NULL)",
                                    "INSERT INTO results VALUES('u1', 6, 1765000000000, '9 分', '压力适中', '[]')",
                                    "INSERT INTO settings VALUES('keep', '1')", "PRAGMA user_version=1"})
                v1.value(QString::fromUtf8(sql));
        }
        Records::Store store(home.path());
        QCOMPARE(store.open(), Records::Store::Opened::Ready);
        Records::Batch batch;
        batch.putAttempts << Records::Attempt{6, QStringLiteral("[\"0\"]"), 1, 20, 1};
        batch.putTexts << Records::TypedText{QStringLiteral("emptied box"), QString(), 1};   // a box emptied
        QVERIFY(store.write(batch));
        const Records::Snapshot s = store.load();
        QCOMPARE(s.results.size(), 1);
        QCOMPARE(s.results[0].score, QStringLiteral("9 分"));
        QCOMPARE(s.attempts.value(6).answered, 1);
        QCOMPARE(s.settings.value(QStringLiteral("keep")), QStringLiteral("1"));
    }

    // A disk that fills up: one note, nothing lost while the program runs, saving resumes.
    void fullDisk()
    {
        if (::geteuid() != 0)
            QSKIP("a small file system of its own needs root (mount -t tmpfs)");
        QTemporaryDir place;
        if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=256k", "tmpfs", place.path()}) != 0)
            QSKIP("cannot mount a small file system here");
        struct Mount {
            QString at;
            ~Mount() { QProcess::execute(QStringLiteral("umount"), {at}); }
        } mount{place.path()};
        Records::Keeper keeper(place.path() + QStringLiteral("/Pathora"), false);
        QSignalSpy failed(&keeper, &Records::Keeper::saveFailed), resumed(&keeper, &Records::Keeper::saveResumed);
        QString typed;
        keeper.setTextSource(QStringLiteral("box"), [&typed] { return typed; });
        keeper.turnOn();
        QTRY_VERIFY(keeper.isLoaded());
        // Fill what is left, then type on.
        QFile filler(place.path() + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'x')) == 4096 && filler.flush()) {}
        for (int i = 0; i < 40 && failed.isEmpty(); ++i) {
            typed += QString(2000, QLatin1Char('a' + i % 26));
            keeper.touchText(QStringLiteral("box"));
            QTest::qWait(600);
        }
        QCOMPARE(failed.size(), 1);
        keeper.touchText(QStringLiteral("box"));
        QTest::qWait(700);
        QCOMPARE(failed.size(), 1);   // told once
        QCOMPARE(keeper.text(QStringLiteral("box")), typed);
        filler.close();
        QVERIFY(filler.remove());
        QTRY_COMPARE_WITH_TIMEOUT(resumed.size(), 1, 8000);
        keeper.flushNow();
        Peek peek(place.path() + QStringLiteral("/Pathora/records.db"));
        QCOMPARE(peek.value(QStringLiteral("SELECT length(text) FROM texts WHERE box = 'box'")).toInt(), typed.size());
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
