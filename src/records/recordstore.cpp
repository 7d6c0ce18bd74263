#include "records/recordstore.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Records {

namespace {

const char *const kCompanions[] = {"-wal", "-shm"};

// What each version adds to the one before it; the store's user_version says where it stands.
const QStringList kMigrations[] = {
    // 0 -> 1: results, typed texts and settings
    {QStringLiteral("CREATE TABLE settings(key TEXT PRIMARY KEY, value TEXT NOT NULL)"),
     QStringLiteral("CREATE TABLE results(uid TEXT PRIMARY KEY, page INTEGER NOT NULL, at INTEGER NOT NULL,"
                    " score TEXT NOT NULL, band TEXT NOT NULL, answers TEXT NOT NULL)"),
     QStringLiteral("CREATE TABLE texts(box TEXT PRIMARY KEY, text TEXT NOT NULL, at INTEGER NOT NULL)")},
    // 1 -> 2: the chart's figures of a result, unfinished attempts
    {QStringLiteral("ALTER TABLE results ADD COLUMN figures TEXT NOT NULL DEFAULT ''"),
     QStringLiteral("CREATE TABLE attempts(page INTEGER PRIMARY KEY, answers TEXT NOT NULL,"
                    " answered INTEGER NOT NULL, total INTEGER NOT NULL, at INTEGER NOT NULL)"),
     QStringLiteral("CREATE INDEX results_by_page ON results(page, at)")},
};
static_assert(std::size(kMigrations) == Store::kVersion, "one migration step per version");

// Owner only, whatever the umask.
bool makePrivateFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.exists()) {
        if (!QDir().mkpath(info.absolutePath()))
            return false;
        if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    if (!QFileInfo(folder).isDir())
        return false;
    return ::chmod(QFile::encodeName(folder).constData(), 0700) == 0;
}

bool makePrivateFile(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool ok = ::fchmod(fd, 0600) == 0;
    ::close(fd);
    return ok;
}

void keepPrivate(const QString &path)
{
    for (const QString &file : {path, path + QLatin1String(kCompanions[0]), path + QLatin1String(kCompanions[1])})
        if (QFileInfo(file).isFile())
            ::chmod(QFile::encodeName(file).constData(), 0600);
}

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("pathora-records-%1").arg(++counter);
}

} // namespace

Store::Store(QString folder) : m_folder(std::move(folder)) {}

Store::~Store()
{
    close();
}

QString Store::path() const
{
    return m_folder + QLatin1Char('/') + QLatin1String(kFileName);
}

void Store::close()
{
    if (m_connection.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_connection.clear();
}

bool Store::openConnection(bool readOnly, QString *error)
{
    close();
    m_connection = nextConnectionName();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path());
    // Another window may be writing: wait for it rather than fail.
    db.setConnectOptions(readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000")
                                  : QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (db.open())
        return true;
    if (error)
        *error = db.lastError().text();
    db = QSqlDatabase();
    close();
    return false;
}

bool Store::exists() const
{
    return QFileInfo::exists(path()) || QFileInfo(path()).isSymLink();
}

bool Store::keptOn() const
{
    QFile file(path());
    if (!QFileInfo(path()).isFile() || !file.open(QIODevice::ReadOnly))
        return true;   // not readable as a store: opening it sets it aside
    const QByteArray header = file.read(100);
    file.close();
    if (header.size() < 100 || !header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return true;
    if (header.at(18) == 2)
        return true;   // a write-ahead log: left while keeping was on
    // Settled when keeping was turned off: read the switch without writing anything.
    Store peek(m_folder);
    if (!peek.openConnection(true, nullptr))
        return true;
    QSqlQuery q(QSqlDatabase::database(peek.m_connection));
    if (!q.exec(QStringLiteral("SELECT value FROM settings WHERE key = 'keep'")))
        return true;
    return q.next() && q.value(0).toString() == QLatin1String("1");
}

// A readable store of this version or an earlier one (brought up to date), or a new empty file.
bool Store::readable(QString *error)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next())
        return fail(q.lastError().text());
    if (q.value(0).toString() != QLatin1String("ok"))
        return fail(q.value(0).toString());
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return fail(q.lastError().text());
    const int version = q.value(0).toInt();
    if (version > kVersion)
        return fail(QStringLiteral("schema version %1 is newer than %2").arg(version).arg(kVersion));
    if (version == 0) {
        // Version 0 is only an empty file this program has made; anything else is not ours (SQLite
        // takes a file shorter than a page, a few lines of text, for an empty database).
        if (QFileInfo(path()).size() != 0 || !q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next()
            || q.value(0).toInt() != 0)
            return fail(QStringLiteral("not a records store"));
    }
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !q.next()
        || q.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        return fail(q.lastError().text());
    // Each commit reaches the disk: a power cut loses at most the changes not yet handed over.
    q.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    return migrate(version, error);
}

bool Store::migrate(int from, QString *error)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    for (int version = from; version < kVersion; ++version) {
        QSqlQuery q(db);
        bool ok = q.exec(QStringLiteral("BEGIN IMMEDIATE"));
        // Another window may have brought the store up meanwhile.
        if (ok && q.exec(QStringLiteral("PRAGMA user_version")) && q.next() && q.value(0).toInt() > version) {
            q.exec(QStringLiteral("COMMIT"));
            continue;
        }
        for (const QString &statement : kMigrations[version])
            ok = ok && q.exec(statement);
        ok = ok && q.exec(QStringLiteral("PRAGMA user_version=%1").arg(version + 1)) && q.exec(QStringLiteral("COMMIT"));
        if (!ok) {
            if (error)
                *error = q.lastError().text();
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    return true;
}

// records.db becomes records.broken-<date>.db (or -2, -3 ... on the same day), with its log.
QString Store::moveAside()
{
    close();
    const QString stem = m_folder + QStringLiteral("/records.broken-") + QDate::currentDate().toString(Qt::ISODate);
    QString target = stem + QStringLiteral(".db");
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = stem + QStringLiteral("-%1.db").arg(n);
    if (::rename(QFile::encodeName(path()).constData(), QFile::encodeName(target).constData()) != 0)
        return {};
    for (const char *companion : kCompanions) {
        const QString from = path() + QLatin1String(companion);
        if (QFileInfo::exists(from))
            ::rename(QFile::encodeName(from).constData(), QFile::encodeName(target + QLatin1String(companion)).constData());
    }
    return target;
}

Store::Opened Store::open(QString *movedTo, QString *error)
{
    close();
    if (!QDir::isAbsolutePath(m_folder) || !makePrivateFolder(m_folder)) {
        if (error)
            *error = QStringLiteral("cannot make the folder %1").arg(m_folder);
        return Opened::Failed;
    }
    Opened outcome = Opened::Ready;
    const QFileInfo info(path());
    QString why;
    bool good = false;
    if (info.exists() || info.isSymLink()) {
        good = info.isFile() && !info.isSymLink() && openConnection(false, &why) && readable(&why);
    } else {
        good = makePrivateFile(path()) && openConnection(false, &why) && readable(&why);
        if (!good) {
            close();
            QFile::remove(path());
            if (error)
                *error = why;
            return Opened::Failed;
        }
    }
    if (!good) {
        const QString aside = moveAside();
        if (aside.isEmpty()) {
            if (error)
                *error = why;
            return Opened::Failed;
        }
        if (movedTo)
            *movedTo = aside;
        outcome = Opened::MovedAside;
        if (!makePrivateFile(path()) || !openConnection(false, &why) || !readable(&why)) {
            close();
            if (error)
                *error = why;
            return Opened::Failed;
        }
    }
    keepPrivate(path());
    return outcome;
}

Snapshot Store::load(bool *ok)
{
    Snapshot s;
    bool good = isOpen();
    if (good) {
        QSqlQuery q(QSqlDatabase::database(m_connection));
        q.setForwardOnly(true);
        good = q.exec(QStringLiteral("SELECT uid, page, at, score, band, figures, answers FROM results ORDER BY at, uid"));
        while (good && q.next())
            s.results.append({q.value(0).toString(), q.value(1).toInt(), q.value(2).toLongLong(), q.value(3).toString(),
                              q.value(4).toString(), q.value(5).toString(), q.value(6).toString()});
        good = good && q.exec(QStringLiteral("SELECT page, answers, answered, total, at FROM attempts"));
        while (good && q.next()) {
            const Attempt a{q.value(0).toInt(), q.value(1).toString(), q.value(2).toInt(), q.value(3).toInt(),
                            q.value(4).toLongLong()};
            s.attempts.insert(a.page, a);
        }
        good = good && q.exec(QStringLiteral("SELECT box, text, at FROM texts"));
        while (good && q.next()) {
            const TypedText t{q.value(0).toString(), q.value(1).toString(), q.value(2).toLongLong()};
            s.texts.insert(t.box, t);
        }
        good = good && q.exec(QStringLiteral("SELECT key, value FROM settings"));
        while (good && q.next())
            s.settings.insert(q.value(0).toString(), q.value(1).toString());
    }
    if (ok)
        *ok = good;
    return s;
}

bool Store::write(const Batch &batch, QString *error)
{
    if (!isOpen()) {
        if (error)
            *error = QStringLiteral("the store is not open");
        return false;
    }
    if (batch.isEmpty())
        return true;
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    bool ok = q.exec(QStringLiteral("BEGIN IMMEDIATE"));
    const auto run = [&](const QString &statement, const QVariantList &values) {
        if (!ok)
            return;
        ok = q.prepare(statement);
        // A null string would be bound as NULL, which no column takes: an empty text is a text.
        for (const QVariant &v : values)
            q.addBindValue(v.typeId() == QMetaType::QString && v.toString().isNull() ? QVariant(QString(QLatin1String(""))) : v);
        ok = ok && q.exec();
    };
    for (const Result &r : batch.addResults)
        run(QStringLiteral("INSERT OR REPLACE INTO results(uid, page, at, score, band, figures, answers)"
                           " VALUES(?, ?, ?, ?, ?, ?, ?)"),
            {r.uid, r.page, r.at, r.score, r.band, r.figures, r.answers});
    for (const QString &uid : batch.removeResults)
        run(QStringLiteral("DELETE FROM results WHERE uid = ?"), {uid});
    for (const Attempt &a : batch.putAttempts)
        run(QStringLiteral("INSERT OR REPLACE INTO attempts(page, answers, answered, total, at) VALUES(?, ?, ?, ?, ?)"),
            {a.page, a.answers, a.answered, a.total, a.at});
    for (int page : batch.removeAttempts)
        run(QStringLiteral("DELETE FROM attempts WHERE page = ?"), {page});
    for (const TypedText &t : batch.putTexts)
        run(QStringLiteral("INSERT OR REPLACE INTO texts(box, text, at) VALUES(?, ?, ?)"), {t.box, t.text, t.at});
    for (auto it = batch.putSettings.cbegin(); it != batch.putSettings.cend(); ++it)
        run(QStringLiteral("INSERT OR REPLACE INTO settings(key, value) VALUES(?, ?)"), {it.key(), it.value()});
    if (ok)
        ok = q.exec(QStringLiteral("COMMIT"));
    if (!ok) {
        if (error)
            *error = q.lastError().text();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    }
    return ok;
}

bool Store::settle()
{
    if (!isOpen())
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    return q.exec(QStringLiteral("PRAGMA journal_mode=DELETE")) && q.next()
           && q.value(0).toString().compare(QLatin1String("delete"), Qt::CaseInsensitive) == 0;
}

bool Store::remove()
{
    close();
    bool ok = true;
    for (const QString &file : {path(), path() + QLatin1String(kCompanions[0]), path() + QLatin1String(kCompanions[1])})
        if (QFileInfo::exists(file) || QFileInfo(file).isSymLink())
            ok = QFile::remove(file) && ok;
    return ok;
}

} // namespace Records
