#pragma once

#include "book/pagetable.h"

#include <QString>
#include <QVector>

// Find in the book: every text a reader can read on a page (headings, labels, article boxes, link
// captions, questionnaire prompts, options, verdicts and reference texts), gathered once from the
// same content data the pages are built from, so that no page needs to exist to be searched.
// Matching ignores the difference between full-width and half-width forms and the case of Latin
// letters.

// Where a searchable text shows on its page.
enum class FindSource {
    Block,       // a content block of the page (label, text box, link caption)
    Question,    // a questionnaire's prompt, option, statement, introduction or reference text
    Verdict,     // a questionnaire's verdict: shown in its result box once the test is finished
};

// One text as a page shows it. A hit names the place it is in and its offset within `text`.
struct FindPlace {
    PageId page = kNoPage;
    FindSource source = FindSource::Block;
    int block = -1;        // Block: the index in ReadingPages::content(page).blocks
    QString name;          // the control's objectName where it has one
    // A text a control before this one shows (the prompt of an option's question), and how many
    // earlier controls after it show this same text: together they tell repeated texts apart.
    QString anchor;
    int ordinal = 0;
    QString text;
};

struct FindHit {
    int place = -1;
    int offset = 0;        // in the place's text
    int length = 0;
};

// A short one-line piece of a text around a hit, with the hit's place in it.
struct FindExcerpt {
    QString text;
    int markStart = 0;
    int markLength = 0;
};

class BookIndex {
public:
    // The index of the whole book, built on first use.
    static const BookIndex &book();

    // Every hit of `query` in reading order (pages in reading order, texts top to bottom). A query
    // that is empty or only blanks finds nothing.
    QVector<FindHit> find(const QString &query) const;

    const FindPlace &place(int index) const { return m_places.at(index); }

    FindExcerpt excerpt(const FindHit &hit, int before = 12, int after = 28) const;

    // The title a page goes by in a list of hits: its heading, or for an advert page the name of
    // the programme it advertises and the section it follows.
    static QString pageTitle(PageId page);

    // Full-width forms to half-width, the ideographic space to a blank, Latin letters to lower
    // case; one character for one, so that offsets carry over.
    static QString fold(const QString &text);

    explicit BookIndex(QVector<FindPlace> places);

private:
    QVector<FindPlace> m_places;
    QString m_folded;             // every place's folded text, each followed by a separator
    QVector<int> m_starts;        // where each place's text starts in m_folded
};
