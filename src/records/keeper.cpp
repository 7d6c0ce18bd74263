#include "records/keeper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <QUuid>

#include <algorithm>

namespace Records {

namespace {
constexpr int kHandOverMs = 500;   // what a crash can lose, at most, besides the write itself
constexpr int kRetryMs = 2000;     // after a failed write
} // namespace

// Lives on the store's thread; every call comes queued from the keeper and answers queued.
class Worker : public QObject {
public:
    explicit Worker(const QString &folder) : m_store(folder) {}

    void open(Keeper *keeper, bool rewriteSession)
    {
        QString movedTo, error;
        const Store::Opened outcome = m_store.open(&movedTo, &error);
        Snapshot snapshot;
        if (outcome != Store::Opened::Failed)
            snapshot = m_store.load();
        QMetaObject::invokeMethod(keeper, [=] {
            keeper->opened(int(outcome), movedTo, error, snapshot, rewriteSession);
        }, Qt::QueuedConnection);
    }

    // False with `error` when nothing could be written; `recreated` when the store had gone (its
    // folder removed) and a new one was made, which then needs everything the session holds.
    bool write(const Batch &batch, QString *error, bool *recreated)
    {
        *recreated = false;
        if (!m_store.isOpen() || !QFileInfo(m_store.path()).isFile()) {
            QString movedTo;
            if (m_store.open(&movedTo, error) == Store::Opened::Failed)
                return false;
            *recreated = true;
        }
        if (m_store.write(batch, error))
            return true;
        // A store whose file went away under the connection is made again at the next try.
        if (!QFileInfo(m_store.path()).isFile())
            m_store.close();
        return false;
    }

    void settle(const Batch &last)
    {
        QString error;
        bool recreated = false;
        if (write(last, &error, &recreated))
            m_store.settle();
        m_store.close();
    }

    void removeAll()
    {
        m_store.remove();
        const QDir folder(m_store.folder());
        for (const QString &name : folder.entryList({QStringLiteral("records.broken-*")}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
            QFileInfo(folder.filePath(name)).isDir() ? QDir(folder.filePath(name)).removeRecursively()
                                                    : QFile::remove(folder.filePath(name));
        QDir().rmdir(m_store.folder());
    }

    void closeStore() { m_store.close(); }

private:
    Store m_store;
};

Keeper::Keeper(QString folder, bool privateSession, QObject *parent)
    : QObject(parent), m_folder(std::move(folder)), m_private(privateSession)
{
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(kHandOverMs);
    connect(&m_flushTimer, &QTimer::timeout, this, [this] { flush(); });
}

Keeper::~Keeper()
{
    // What is pending is written; whoever listened may be gone already.
    blockSignals(true);
    flushNow();
    if (m_thread) {
        QMetaObject::invokeMethod(m_worker, [w = m_worker] { w->closeStore(); }, Qt::BlockingQueuedConnection);
        m_thread->quit();
        m_thread->wait();
        delete m_worker;
    }
}

QString Keeper::standardFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString Keeper::storePath() const
{
    return m_folder + QLatin1Char('/') + QLatin1String(Store::kFileName);
}

void Keeper::start()
{
    if (m_private || m_folder.isEmpty() || !QDir::isAbsolutePath(m_folder)) {
        m_loaded = true;
        emit loaded();
        return;
    }
    // No store, or one kept with keeping off: nothing is opened, nothing written.
    Store probe(m_folder);
    if (!probe.exists() || !probe.keptOn()) {
        m_loaded = true;
        emit loaded();
        return;
    }
    m_on = true;
    ensureWorker();
    QMetaObject::invokeMethod(m_worker, [w = m_worker, this] { w->open(this, false); }, Qt::QueuedConnection);
}

void Keeper::opened(int outcome, const QString &movedTo, const QString &error, const Snapshot &snapshot,
                    bool rewriteSession)
{
    if (!m_on)
        return;   // turned off meanwhile
    m_loaded = true;
    if (outcome == int(Store::Opened::MovedAside))
        emit movedAside(movedTo, storePath());
    if (outcome == int(Store::Opened::Failed)) {
        // Kept in memory; the next hand-over tries again.
        m_failing = true;
        emit saveFailed(error);
        markAllDirty(rewriteSession);
        m_dirtySettings << Store::settingKeep();
        QTimer::singleShot(kRetryMs, this, [this] { scheduleFlush(); });
        emit loaded();
        return;
    }
    // Left with keeping off (another window could not settle the store): it stays off.
    if (!rewriteSession && outcome == int(Store::Opened::Ready)
        && snapshot.settings.value(Store::settingKeep()) == QLatin1String("0")) {
        m_on = false;
        QMetaObject::invokeMethod(m_worker, [w = m_worker] { w->closeStore(); }, Qt::QueuedConnection);
        emit loaded();
        return;
    }
    merge(snapshot, rewriteSession);
    if (rewriteSession || outcome == int(Store::Opened::MovedAside))
        markAllDirty(outcome != int(Store::Opened::MovedAside));
    if (m_settings.value(Store::settingKeep()) != QLatin1String("1")) {
        m_settings.insert(Store::settingKeep(), QStringLiteral("1"));
        m_dirtySettings << Store::settingKeep();
    }
    scheduleFlush();
    emit loaded();
}

// What was stored joins what the session holds; what the reader changed in this session wins.
void Keeper::merge(const Snapshot &snapshot, bool)
{
    QSet<QString> known;
    for (const Result &r : std::as_const(m_results))
        known << r.uid;
    for (const Result &r : snapshot.results)
        if (!known.contains(r.uid) && !m_removedResults.contains(r.uid))
            m_results.append(r);
    std::stable_sort(m_results.begin(), m_results.end(), [](const Result &a, const Result &b) { return a.at < b.at; });
    for (const Attempt &a : snapshot.attempts)
        if (!m_sessionAttempts.contains(a.page))
            m_attempts.insert(a.page, a);
    for (const TypedText &t : snapshot.texts)
        if (!m_sessionTexts.contains(t.box) && !m_touchedTexts.contains(t.box))
            m_texts.insert(t.box, t);
    for (auto it = snapshot.settings.cbegin(); it != snapshot.settings.cend(); ++it)
        if (!m_sessionSettings.contains(it.key()))
            m_settings.insert(it.key(), it.value());
}

void Keeper::markAllDirty(bool sessionOnly)
{
    readTouchedTexts();
    if (sessionOnly) {
        m_dirtyResults += m_sessionResults;
        m_dirtyAttempts += m_sessionAttempts;
        m_dirtyTexts += m_sessionTexts;
        m_dirtySettings += m_sessionSettings;
        return;
    }
    for (const Result &r : std::as_const(m_results))
        m_dirtyResults << r.uid;
    for (auto it = m_attempts.cbegin(); it != m_attempts.cend(); ++it)
        m_dirtyAttempts << it.key();
    for (auto it = m_texts.cbegin(); it != m_texts.cend(); ++it)
        m_dirtyTexts << it.key();
    for (auto it = m_settings.cbegin(); it != m_settings.cend(); ++it)
        m_dirtySettings << it.key();
}

// The store's thread, made when the store is first needed.
void Keeper::ensureWorker()
{
    if (m_thread)
        return;
    m_thread = new QThread(this);
    m_thread->setObjectName(QStringLiteral("records"));
    m_worker = new Worker(m_folder);
    m_worker->moveToThread(m_thread);
    m_thread->start(QThread::LowPriority);
}

void Keeper::clearPending()
{
    m_dirtyResults.clear();
    m_removedResults.clear();
    m_dirtyAttempts.clear();
    m_removedAttempts.clear();
    m_dirtyTexts.clear();
    m_dirtySettings.clear();
}

void Keeper::turnOn()
{
    if (m_private || m_on || m_folder.isEmpty())
        return;
    m_on = true;
    m_loaded = false;
    m_settings.insert(Store::settingKeep(), QStringLiteral("1"));
    m_sessionSettings << Store::settingKeep();
    ensureWorker();
    QMetaObject::invokeMethod(m_worker, [w = m_worker, this] { w->open(this, true); }, Qt::QueuedConnection);
    emit switchChanged(true);
}

void Keeper::turnOff(bool deleteKept)
{
    if (!m_on)
        return;
    if (deleteKept) {
        forget();
        return;
    }
    m_flushTimer.stop();
    readTouchedTexts();
    m_settings.insert(Store::settingKeep(), QStringLiteral("0"));
    m_dirtySettings << Store::settingKeep();
    Batch last;
    // Everything pending, and the switch, go in the last write before the store is settled.
    flush(true);
    last.putSettings.insert(Store::settingKeep(), QStringLiteral("0"));
    QMetaObject::invokeMethod(m_worker, [w = m_worker, last] { w->settle(last); }, Qt::BlockingQueuedConnection);
    m_on = false;
    m_failing = false;
    clearPending();
    emit switchChanged(false);
}

void Keeper::forget()
{
    if (m_private)
        return;
    m_flushTimer.stop();
    const bool wasOn = m_on;
    m_on = false;
    m_failing = false;
    ensureWorker();
    QMetaObject::invokeMethod(m_worker, [w = m_worker] { w->removeAll(); }, Qt::BlockingQueuedConnection);
    // What the session holds stays in the session; what came from the store goes.
    QVector<Result> kept;
    for (const Result &r : std::as_const(m_results))
        if (m_sessionResults.contains(r.uid))
            kept << r;
    m_results = kept;
    for (auto it = m_attempts.begin(); it != m_attempts.end();)
        it = m_sessionAttempts.contains(it.key()) ? std::next(it) : m_attempts.erase(it);
    for (auto it = m_texts.begin(); it != m_texts.end();)
        it = m_sessionTexts.contains(it.key()) || m_touchedTexts.contains(it.key()) ? std::next(it) : m_texts.erase(it);
    for (auto it = m_settings.begin(); it != m_settings.end();)
        it = m_sessionSettings.contains(it.key()) ? std::next(it) : m_settings.erase(it);
    m_settings.insert(Store::settingKeep(), QStringLiteral("0"));
    clearPending();
    if (wasOn)
        emit switchChanged(false);
}

Result Keeper::addResult(Result result)
{
    result.uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (result.at == 0)
        result.at = QDateTime::currentMSecsSinceEpoch();
    m_results.append(result);
    m_sessionResults << result.uid;
    if (m_on) {
        m_dirtyResults << result.uid;
        scheduleFlush();
    }
    return result;
}

QVector<Result> Keeper::results(int page) const
{
    QVector<Result> found;
    for (auto it = m_results.crbegin(); it != m_results.crend(); ++it)
        if (it->page == page)
            found << *it;
    return found;
}

void Keeper::removeResult(const QString &uid)
{
    const auto gone = std::remove_if(m_results.begin(), m_results.end(), [&](const Result &r) { return r.uid == uid; });
    if (gone == m_results.end())
        return;
    m_results.erase(gone, m_results.end());
    m_sessionResults.remove(uid);
    m_dirtyResults.remove(uid);
    if (m_on) {
        m_removedResults << uid;
        scheduleFlush();
    }
}

void Keeper::removeResults(int page)
{
    for (const Result &r : results(page))
        removeResult(r.uid);
}

const Attempt *Keeper::attempt(int page) const
{
    const auto it = m_attempts.constFind(page);
    return it == m_attempts.cend() ? nullptr : &it.value();
}

void Keeper::putAttempt(Attempt attempt)
{
    if (attempt.at == 0)
        attempt.at = QDateTime::currentMSecsSinceEpoch();
    const int page = attempt.page;
    m_attempts.insert(page, std::move(attempt));
    m_sessionAttempts << page;
    if (m_on) {
        m_removedAttempts.remove(page);
        m_dirtyAttempts << page;
        scheduleFlush();
    }
}

void Keeper::dropAttempt(int page)
{
    if (!m_attempts.remove(page))
        return;
    m_sessionAttempts << page;
    m_dirtyAttempts.remove(page);
    if (m_on) {
        m_removedAttempts << page;
        scheduleFlush();
    }
}

void Keeper::setTextSource(const QString &box, std::function<QString()> source)
{
    m_textSources.insert(box, std::move(source));
}

// The cost of a keystroke: a set insertion, and a timer started once per hand-over.
void Keeper::touchText(const QString &box)
{
    m_touchedTexts.insert(box);
    if (m_on)
        scheduleFlush();
}

void Keeper::readTouchedTexts()
{
    for (const QString &box : std::as_const(m_touchedTexts)) {
        const auto source = m_textSources.value(box);
        const QString text = source ? source() : QString();
        if (text.isNull())
            continue;   // the box is gone (the window closing): its last text stands
        m_texts.insert(box, {box, text, QDateTime::currentMSecsSinceEpoch()});
        m_sessionTexts << box;
        if (m_on)
            m_dirtyTexts << box;
    }
    m_touchedTexts.clear();
}

bool Keeper::hasText(const QString &box) const
{
    return m_texts.contains(box);
}

QString Keeper::text(const QString &box) const
{
    return m_texts.value(box).text;
}

void Keeper::forgetText(const QString &box)
{
    m_texts.remove(box);
    m_touchedTexts.remove(box);
}

void Keeper::putSetting(const QString &key, const QString &value)
{
    if (m_settings.value(key) == value && m_settings.contains(key))
        return;
    m_settings.insert(key, value);
    m_sessionSettings << key;
    if (m_on) {
        m_dirtySettings << key;
        scheduleFlush();
    }
}

void Keeper::scheduleFlush()
{
    if (m_on && !m_flushTimer.isActive())
        m_flushTimer.start();
}

void Keeper::flush(bool wait)
{
    if (!m_on || !m_worker || !m_loaded)
        return;
    if (m_inFlight && !wait) {
        scheduleFlush();
        return;
    }
    readTouchedTexts();
    Batch batch;
    for (const Result &r : std::as_const(m_results))
        if (m_dirtyResults.contains(r.uid))
            batch.addResults << r;
    batch.removeResults = QStringList(m_removedResults.cbegin(), m_removedResults.cend());
    for (int page : std::as_const(m_dirtyAttempts))
        if (const Attempt *a = attempt(page))
            batch.putAttempts << *a;
    batch.removeAttempts = QVector<int>(m_removedAttempts.cbegin(), m_removedAttempts.cend());
    for (const QString &box : std::as_const(m_dirtyTexts))
        if (m_texts.contains(box))
            batch.putTexts << m_texts.value(box);
    for (const QString &key : std::as_const(m_dirtySettings))
        batch.putSettings.insert(key, m_settings.value(key));
    clearPending();
    if (batch.isEmpty() && !m_failing)
        return;
    if (wait) {
        bool ok = false, recreated = false;
        QString error;
        QMetaObject::invokeMethod(m_worker, [&] { ok = m_worker->write(batch, &error, &recreated); },
                                  Qt::BlockingQueuedConnection);
        m_inFlight = false;
        written(ok, error, recreated, batch);
        return;
    }
    m_inFlight = true;
    QMetaObject::invokeMethod(m_worker, [w = m_worker, this, batch] {
        bool recreated = false;
        QString error;
        const bool ok = w->write(batch, &error, &recreated);
        QMetaObject::invokeMethod(this, [=] {
            m_inFlight = false;
            written(ok, error, recreated, batch);
        }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

void Keeper::written(bool ok, const QString &error, bool recreated, const Batch &batch)
{
    if (!m_on)
        return;
    if (!ok) {
        // Nothing is lost: the changes go back to the pending ones and are tried again.
        for (const Result &r : batch.addResults)
            if (!m_removedResults.contains(r.uid))
                m_dirtyResults << r.uid;
        m_removedResults += QSet<QString>(batch.removeResults.cbegin(), batch.removeResults.cend());
        for (const Attempt &a : batch.putAttempts)
            m_dirtyAttempts << a.page;
        for (int page : batch.removeAttempts)
            if (!m_attempts.contains(page))
                m_removedAttempts << page;
        for (const TypedText &t : batch.putTexts)
            m_dirtyTexts << t.box;
        for (auto it = batch.putSettings.cbegin(); it != batch.putSettings.cend(); ++it)
            m_dirtySettings << it.key();
        if (!m_failing) {
            m_failing = true;
            emit saveFailed(error);
        }
        QTimer::singleShot(kRetryMs, this, [this] { flush(); });
        return;
    }
    if (recreated) {
        // A new store in place of one that went away: it gets everything the session holds.
        markAllDirty(false);
        scheduleFlush();
    }
    if (m_failing) {
        m_failing = false;
        if (!recreated)
            markAllDirty(false);   // a failure may have hidden a store that went away meanwhile
        emit saveResumed();
    }
    if (!m_dirtyResults.isEmpty() || !m_removedResults.isEmpty() || !m_dirtyAttempts.isEmpty()
        || !m_removedAttempts.isEmpty() || !m_dirtyTexts.isEmpty() || !m_dirtySettings.isEmpty() || !m_touchedTexts.isEmpty())
        scheduleFlush();
}

void Keeper::flushNow()
{
    if (m_on && m_worker && !m_loaded) {
        // Closing before the store was read: wait for it, and take its answer in first.
        QMetaObject::invokeMethod(m_worker, [] {}, Qt::BlockingQueuedConnection);
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
    if (!m_on || !m_worker || !m_loaded)
        return;
    m_flushTimer.stop();
    flush(true);
}

} // namespace Records
