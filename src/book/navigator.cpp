#include "book/navigator.h"

void TNavigator::start()
{
    m_current = kNoPage;
    GoToPage(kStartPage);
}

void TNavigator::GoToPage(PageId target)
{
    if (!TPageTable::isValid(target))
        return;
    m_surface.setScrollPosition(0);
    // Going to the page already shown must not run its entry hook again: a questionnaire that
    // is current keeps its answers.
    if (target == m_current)
        return;
    m_current = target;
    m_surface.showPage(target);
    PageEntryHook(target);
}

void TNavigator::GoPrevious()
{
    m_surface.setScrollPosition(0);
    const PageId before = TPageTable::previous(m_current);
    if (before != kNoPage)
        GoToPage(before);
}

void TNavigator::GoNext()
{
    m_surface.setScrollPosition(0);
    const PageId after = TPageTable::next(m_current);
    if (after != kNoPage)
        GoToPage(after);
    else
        m_surface.showLastPageNotice();
}

void TNavigator::registerEntryHook(PageId page, EntryHook hook)
{
    m_hooks.emplace_back(page, std::move(hook));
}

void TNavigator::PageEntryHook(PageId page)
{
    m_surface.setLayoutHeights(TPageTable::entry(page).layoutHeight);
    for (const auto &[hookPage, hook] : m_hooks)
        if (hookPage == page)
            hook();
}
