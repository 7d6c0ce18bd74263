#pragma once

#include "book/linktable.h"
#include "book/navigator.h"

#include <functional>

// What a click on a link does. The effect depends only on the link's row: page links go through
// the navigator, web links to the desktop's browser, the exit link closes the main window. The
// window supplies the two outward actions, so that nothing here needs a widget.
class LinkActions {
public:
    LinkActions(TNavigator &navigator, std::function<void(const QString &)> openWebPage,
                 std::function<void()> closeMainWindow)
        : m_navigator(navigator), m_openWebPage(std::move(openWebPage)), m_closeMainWindow(std::move(closeMainWindow))
    {
    }

    // `row` is an index into TLinkTable; anything else is ignored.
    void follow(int row) const;

private:
    TNavigator &m_navigator;
    std::function<void(const QString &)> m_openWebPage;
    std::function<void()> m_closeMainWindow;
};
