#pragma once

#include "book/pagetable.h"

#include <functional>
#include <vector>

// What the navigator needs of the window that shows the pages. The main window implements it;
// tests can implement it without any widget.
class INavigationSurface {
public:
    virtual ~INavigationSurface() = default;
    virtual void setScrollPosition(int y) = 0;
    virtual void showPage(PageId id) = 0;
    // Page container first, then the left strip, then the right strip.
    virtual void setLayoutHeights(int height) = 0;
    // The modal "last page" notice with OK and Cancel; its answer is not used.
    virtual void showLastPageNotice() = 0;
};

// The only way the current page changes. Every change scrolls to the top, makes the target
// current and runs its entry hook, in that order. It keeps no history: previous and next follow
// the fixed reading order.
class TNavigator {
public:
    using EntryHook = std::function<void()>;

    explicit TNavigator(INavigationSurface &surface) : m_surface(surface) {}

    // Shows the start page and runs its entry hook; called once when the window is built.
    void start();

    PageId currentPage() const { return m_current; }

    void GoToPage(PageId target);
    void GoHome() { GoToPage(kStartPage); }
    void GoToContents() { GoToPage(kContentsPage); }
    void GoPrevious();
    void GoNext();

    // Extra work for a page's entry step (questionnaires reset here). Hooks run after the heights
    // are set, in the order they were registered.
    void registerEntryHook(PageId page, EntryHook hook);

private:
    void PageEntryHook(PageId page);

    INavigationSurface &m_surface;
    PageId m_current = kNoPage;
    std::vector<std::pair<PageId, EntryHook>> m_hooks;
};
