#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// The reader's records as they lie in one SQLite file: dated results, one unfinished attempt per
// questionnaire, the texts typed into the book's editable boxes, and a few settings (the switch,
// the place). Used from one thread at a time; every call opens nothing the caller did not ask for.
namespace Records {

struct Result {
    QString uid;          // unique across processes, so that two windows never overwrite a result
    int page = 0;
    qint64 at = 0;        // milliseconds since the epoch, UTC
    QString score;        // the score or totals as the fields showed them
    QString band;         // the band's name, or the line that sums the result up
    QString figures;      // the chart's figures, one "label=value" a line
    QString answers;      // the answers, one entry per item
};

struct Attempt {
    int page = 0;
    QString answers;
    int answered = 0;
    int total = 0;
    qint64 at = 0;
};

struct TypedText {
    QString box;          // page and box name, "TabSheet23/ArticleBox3"
    QString text;
    qint64 at = 0;
};

struct Snapshot {
    QVector<Result> results;              // oldest first
    QHash<int, Attempt> attempts;
    QHash<QString, TypedText> texts;
    QHash<QString, QString> settings;
};

// One transaction's worth of changes.
struct Batch {
    QVector<Result> addResults;
    QStringList removeResults;            // by uid
    QVector<Attempt> putAttempts;
    QVector<int> removeAttempts;          // by page
    QVector<TypedText> putTexts;
    QHash<QString, QString> putSettings;
    bool isEmpty() const
    {
        return addResults.isEmpty() && removeResults.isEmpty() && putAttempts.isEmpty() && removeAttempts.isEmpty()
               && putTexts.isEmpty() && putSettings.isEmpty();
    }
};

class Store {
public:
    static constexpr int kVersion = 2;
    static constexpr const char *kFileName = "records.db";

    explicit Store(QString folder);
    ~Store();
    Store(const Store &) = delete;
    Store &operator=(const Store &) = delete;

    QString folder() const { return m_folder; }
    QString path() const;

    enum class Opened { Ready, MovedAside, Failed };
    // Opens the store, making the folder (0700) and the file (0600) when there is none. A file
    // that cannot be opened or read as a store of this or an earlier version is never written:
    // it is renamed aside (movedTo) and a new empty store is made in its place.
    Opened open(QString *movedTo = nullptr, QString *error = nullptr);
    bool isOpen() const { return !m_connection.isEmpty(); }
    void close();

    // Whether a store file is there at all, and whether it was left with keeping on: read from
    // the file's header and, for a store kept with keeping off, through a read-only connection,
    // so that nothing is written where the reader has keeping off.
    bool exists() const;
    bool keptOn() const;

    Snapshot load(bool *ok = nullptr);
    // Every change of `batch` in one transaction; false, with `error`, when it could not be written.
    bool write(const Batch &batch, QString *error = nullptr);
    // Before the reader turns keeping off: the file is made self-contained (no write-ahead log),
    // so that a later start can read the switch without writing.
    bool settle();
    // Closes and deletes every file of the store.
    bool remove();

    static QString settingKeep() { return QStringLiteral("keep"); }

private:
    bool openConnection(bool readOnly, QString *error);
    bool readable(QString *error);
    bool migrate(int from, QString *error);
    QString moveAside();

    QString m_folder;
    QString m_connection;
};

} // namespace Records
