#include "ui/readingstatus.h"

#include "book/quiz/records.h"
#include "book/search.h"
#include "book/texts.h"
#include "ui/questionnairepage.h"

#include <QLabel>
#include <QStatusBar>

namespace {

QString pageText(const char *key)
{
    return TextData::text(QStringLiteral(":/data/pages.txt"), QString::fromLatin1(key));
}

} // namespace

ReadingStatus::ReadingStatus(QStatusBar *bar)
    : QObject(bar), m_place(new QLabel(bar)), m_progress(new QLabel(bar))
{
    m_place->setObjectName(QStringLiteral("StatusPlace"));
    m_progress->setObjectName(QStringLiteral("StatusProgress"));
    for (QLabel *label : {m_place, m_progress}) {
        label->setTextFormat(Qt::PlainText);
        label->setContentsMargins(10, 0, 10, 0);
    }
    bar->setSizeGripEnabled(false);
    bar->addWidget(m_place, 1);
    bar->addPermanentWidget(m_progress);
}

void ReadingStatus::showPage(PageId page, QuestionnairePage *questionnaire)
{
    const TPageEntry &entry = TPageTable::entry(page);
    // Pages without a heading (the cover, the advert pages) are told by the title find gives them.
    const QString heading = BookIndex::pageTitle(page).simplified();
    const QString place = pageText("status.place").arg(entry.readingPosition).arg(kPageCount);
    m_place->setText(heading + QStringLiteral("　　") + place);

    if (questionnaire != m_questionnaire) {
        disconnect(m_watch);
        m_questionnaire = questionnaire;
        if (questionnaire)
            m_watch = connect(questionnaire, &QuestionnairePage::progressChanged, this, &ReadingStatus::showProgress);
    }
    m_page = page;
    showProgress();
}

void ReadingStatus::showProgress()
{
    // Emptied rather than hidden: hiding a status-bar widget makes the bar lay itself out anew.
    if (!m_questionnaire) {
        m_progress->clear();
        return;
    }
    const Quiz::QuizRecord *record = Quiz::recordFor(m_page);
    const bool pairs = record && record->variant == Quiz::Variant::DrivingForce;
    const IPageTest &test = m_questionnaire->test();
    m_progress->setText(Quiz::commonText(pairs ? QStringLiteral("progress.pairs") : QStringLiteral("progress"))
                            .arg(test.answeredCount())
                            .arg(test.itemCount()));
}
