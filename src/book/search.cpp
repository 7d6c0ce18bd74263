#include "book/search.h"

#include "book/layout/readingpages.h"
#include "book/quiz/records.h"
#include "book/texts.h"

#include <QRegularExpression>

#include <algorithm>
#include <tuple>

namespace {

constexpr QChar kSeparator = QChar(0);

// Entries in the order their page shows them: the introduction, then the questions or statements
// by number (a prompt before its options), then the texts below them (references, verdicts).
struct EntryOrder {
    int group = 2;
    QString name;
    int number = 0;
    QString rest;
    bool operator<(const EntryOrder &o) const
    {
        return std::tie(group, name, number, rest) < std::tie(o.group, o.name, o.number, o.rest);
    }
};

EntryOrder orderOf(const QString &key)
{
    static const QRegularExpression numbered(QStringLiteral("^([qp])(\\d+)(.*)$"));
    static const QRegularExpression trailing(QStringLiteral("^(\\D*)(\\d*)$"));
    if (key == QLatin1String("intro"))
        return {0, {}, 0, {}};
    const QRegularExpressionMatch m = numbered.match(key);
    if (m.hasMatch())
        return {1, {}, m.captured(2).toInt(), m.captured(3)};
    const QRegularExpressionMatch t = trailing.match(key);
    if (t.hasMatch())
        return {2, t.captured(1), t.captured(2).toInt(), {}};
    return {2, key, 0, {}};
}

// Results the page shows only after a Finish.
bool isVerdict(const QString &key)
{
    return key.startsWith(QLatin1String("verdict")) || key == QLatin1String("line");
}

// Entries that are never shown as they stand: messages, the count line's pattern, the shared
// option labels (shown under every question), legends written into fields.
bool isShown(const QString &key)
{
    static const QStringList hidden{QStringLiteral("incomplete"), QStringLiteral("count.line"),
                                    QStringLiteral("options")};
    return !hidden.contains(key);
}

void addBlocks(QVector<FindPlace> &places, PageId page, const QVector<TContentBlock> &blocks, int from, int to)
{
    for (int i = from; i < to; ++i) {
        const TContentBlock &b = blocks[i];
        const bool readable = b.kind == BlockKind::Label || b.kind == BlockKind::TextBox
                              || (b.kind == BlockKind::Link && b.link >= 0 && !b.text.startsWith(QLatin1Char(':')));
        if (!readable || b.text.trimmed().isEmpty())
            continue;
        FindPlace p;
        p.page = page;
        p.source = FindSource::Block;
        p.block = i;
        p.name = b.name;
        p.text = b.text;
        places.append(p);
    }
}

void addQuestionnaire(QVector<FindPlace> &places, PageId page)
{
    const Quiz::QuizRecord *record = Quiz::recordFor(page);
    if (!record)
        return;
    const QHash<QString, QString> &entries = TextData::file(QString::fromLatin1(record->data));
    QVector<QPair<EntryOrder, QString>> keys;
    for (auto it = entries.begin(); it != entries.end(); ++it)
        if (isShown(it.key()))
            keys.append({orderOf(it.key()), it.key()});
    std::sort(keys.begin(), keys.end(), [](const auto &a, const auto &b) { return a.first < b.first; });

    for (const auto &[order, key] : keys) {
        const QString text = entries.value(key);
        FindPlace p;
        p.page = page;
        p.source = isVerdict(key) ? FindSource::Verdict : FindSource::Question;
        if (key.endsWith(QLatin1String(".opts"))) {
            // One option a line, each shown by its own button under its question's prompt.
            p.anchor = entries.value(key.chopped(5));
            for (const QString &line : text.split(QLatin1Char('\n'))) {
                p.text = line.trimmed();
                if (!p.text.isEmpty())
                    places.append(p);
            }
        } else if (!text.trimmed().isEmpty()) {
            p.text = text;
            places.append(p);
        }
    }
}

QVector<FindPlace> gatherBook()
{
    QVector<FindPlace> places;
    for (PageId page : TPageTable::readingOrder()) {
        const QVector<TContentBlock> blocks = ReadingPages::content(page).blocks;
        const int first = static_cast<int>(places.size());
        if (TPageTable::entry(page).hasQuestionnaire) {
            // The questionnaire stands between the page's top and the links at its foot.
            const int top = static_cast<int>(ReadingPages::pageTop(page).blocks.size());
            addBlocks(places, page, blocks, 0, top);
            addQuestionnaire(places, page);
            addBlocks(places, page, blocks, top, static_cast<int>(blocks.size()));
        } else {
            addBlocks(places, page, blocks, 0, static_cast<int>(blocks.size()));
        }
        // Repeated texts of a page (the same option under several questions, say) are told apart
        // by their anchor and their rank among the equal texts after it.
        for (int i = first; i < places.size(); ++i)
            for (int j = first; j < i; ++j)
                if (places[j].text == places[i].text && places[j].anchor == places[i].anchor
                    && places[j].source == places[i].source)
                    ++places[i].ordinal;
    }
    return places;
}

QChar foldChar(QChar c)
{
    char16_t u = c.unicode();
    if (u >= 0xFF01 && u <= 0xFF5E)
        u = static_cast<char16_t>(u - 0xFEE0);
    else if (u == 0x3000)
        u = u' ';
    if (u < 0x80)
        return QChar(u >= u'A' && u <= u'Z' ? u + 32 : u);
    const QChar folded(u);
    return folded.script() == QChar::Script_Latin ? folded.toCaseFolded() : folded;
}

} // namespace

BookIndex::BookIndex(QVector<FindPlace> places) : m_places(std::move(places))
{
    qsizetype size = 0;
    for (const FindPlace &p : m_places)
        size += p.text.size() + 1;
    m_folded.reserve(size);
    m_starts.reserve(m_places.size());
    for (const FindPlace &p : m_places) {
        m_starts.append(static_cast<int>(m_folded.size()));
        m_folded += fold(p.text);
        m_folded += kSeparator;
    }
}

const BookIndex &BookIndex::book()
{
    static const BookIndex index(gatherBook());
    return index;
}

QString BookIndex::fold(const QString &text)
{
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = foldChar(text[i]);
    return out;
}

QVector<FindHit> BookIndex::find(const QString &query) const
{
    QVector<FindHit> hits;
    const QString needle = fold(query.trimmed()).remove(kSeparator);
    if (needle.trimmed().isEmpty())
        return hits;
    const int length = static_cast<int>(needle.size());
    qsizetype at = 0;
    while ((at = m_folded.indexOf(needle, at)) >= 0) {
        const auto next = std::upper_bound(m_starts.begin(), m_starts.end(), static_cast<int>(at));
        const int place = static_cast<int>(next - m_starts.begin()) - 1;
        hits.append({place, static_cast<int>(at) - m_starts[place], length});
        at += length;
    }
    return hits;
}

FindExcerpt BookIndex::excerpt(const FindHit &hit, int before, int after) const
{
    const QString &text = m_places.at(hit.place).text;
    // Stay within the hit's own line; mark the ends that were cut.
    const qsizetype lineStart = text.lastIndexOf(QLatin1Char('\n'), qMax(0, hit.offset - 1)) + 1;
    qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), hit.offset + hit.length);
    if (lineEnd < 0)
        lineEnd = text.size();
    qsizetype from = qMax<qsizetype>(lineStart, hit.offset - before);
    while (from < hit.offset && text[from].isSpace())
        ++from;
    const qsizetype to = qMin<qsizetype>(lineEnd, hit.offset + hit.length + after);
    const QString ellipsis = QStringLiteral("…");
    FindExcerpt e;
    const bool cutBefore = from > lineStart;
    e.text = (cutBefore ? ellipsis : QString()) + text.mid(from, to - from);
    while (e.text.endsWith(QLatin1Char(' ')))
        e.text.chop(1);
    if (to < lineEnd)
        e.text += ellipsis;
    e.markStart = static_cast<int>(hit.offset - from) + (cutBefore ? 1 : 0);
    e.markLength = qMin(hit.length, static_cast<int>(e.text.size()) - e.markStart);
    return e;
}

QString BookIndex::pageTitle(PageId page)
{
    const QString heading = QString::fromUtf8(TPageTable::entry(page).heading).trimmed();
    if (!heading.isEmpty())
        return heading;
    if (TPageTable::entry(page).kind == TPageKind::Cover)
        return TextData::text(QStringLiteral(":/data/pages.txt"), QStringLiteral("status.cover"));
    // The four advert pages are alike: each is told by the section it closes.
    QString section;
    for (PageId id : TPageTable::readingOrder()) {
        if (id == page)
            break;
        if (TPageTable::entry(id).kind == TPageKind::SectionIntro)
            section = QString::fromUtf8(TPageTable::entry(id).heading).trimmed();
    }
    const QString programme = TextData::text(QStringLiteral(":/data/pages.txt"), QStringLiteral("advert.name"));
    if (section.isEmpty())
        return programme;
    return TextData::text(QStringLiteral(":/data/find.txt"), QStringLiteral("page.advert")).arg(programme, section);
}
