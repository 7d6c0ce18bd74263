#pragma once

#include "records/recordstore.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <functional>

class QThread;

namespace Records {

class Worker;

// What the session holds of the reader's own records, and, while the reader has keeping on, their
// way to the store: changes are gathered here and handed over every half second to a thread of
// their own, so that neither a keystroke nor a page change waits for the disk. With keeping off,
// or in a private session, nothing leaves this object.
class Keeper : public QObject {
    Q_OBJECT
public:
    // `folder` holds the store; `privateSession` writes (and opens) nothing whatever the switch.
    Keeper(QString folder, bool privateSession, QObject *parent = nullptr);
    ~Keeper() override;

    // Where the store lives for this user: the application's data folder.
    static QString standardFolder();
    QString folder() const { return m_folder; }
    QString storePath() const;

    // When keeping was left on, opens the store and reads it away from this thread (loaded()).
    void start();
    bool isPrivate() const { return m_private; }
    bool isOn() const { return m_on; }
    // The stored records have been read (or there were none to read).
    bool isLoaded() const { return m_loaded; }

    // Keeping on: the store is opened (or made) and what the session holds is written to it.
    void turnOn();
    // Keeping off: the store is left as it is, or, with `deleteKept`, deleted.
    void turnOff(bool deleteKept);
    // Every record file is deleted and keeping is off.
    void forget();

    // ---- what the session holds, kept or not ----
    Result addResult(Result result);   // gives it its uid and, unless set, its time
    QVector<Result> results(int page) const;   // newest first
    void removeResult(const QString &uid);
    void removeResults(int page);

    const Attempt *attempt(int page) const;
    void putAttempt(Attempt attempt);
    void dropAttempt(int page);

    // Typed texts are read from their box only when they are handed over: `source` gives the
    // box's text (a null string once the box is gone); `touchText` only notes that it changed.
    void setTextSource(const QString &box, std::function<QString()> source);
    void touchText(const QString &box);
    bool hasText(const QString &box) const;
    QString text(const QString &box) const;
    void forgetText(const QString &box);

    QString setting(const QString &key) const { return m_settings.value(key); }
    void putSetting(const QString &key, const QString &value);

    // Hands over what is pending and waits until it is written (at close).
    void flushNow();

signals:
    void loaded();
    // The store could not be read and was set aside; a new empty one is used.
    void movedAside(const QString &brokenPath, const QString &newPath);
    // Saving failed (once per failure), and later works again.
    void saveFailed(const QString &reason);
    void saveResumed();
    void switchChanged(bool on);

private:
    friend class Worker;
    void ensureWorker();
    void clearPending();
    void scheduleFlush();
    void flush(bool wait = false);
    void written(bool ok, const QString &error, bool recreated, const Batch &batch);
    void merge(const Snapshot &snapshot, bool rewriteSession);
    void markAllDirty(bool sessionOnly);
    void readTouchedTexts();
    void opened(int outcome, const QString &movedTo, const QString &error, const Snapshot &snapshot, bool rewriteSession);

    QString m_folder;
    bool m_private;
    bool m_on = false;
    bool m_loaded = false;
    bool m_failing = false;
    bool m_inFlight = false;
    QThread *m_thread = nullptr;
    Worker *m_worker = nullptr;
    QTimer m_flushTimer;

    QVector<Result> m_results;
    QHash<int, Attempt> m_attempts;
    QHash<QString, TypedText> m_texts;
    QHash<QString, QString> m_settings;
    QHash<QString, std::function<QString()>> m_textSources;

    // Changed in this session (what turning keeping on writes) and not yet handed over.
    QSet<QString> m_sessionResults, m_dirtyResults, m_removedResults;
    QSet<int> m_sessionAttempts, m_dirtyAttempts, m_removedAttempts;
    QSet<QString> m_sessionTexts, m_dirtyTexts, m_touchedTexts;
    QSet<QString> m_sessionSettings, m_dirtySettings;
};

} // namespace Records
