#pragma once

#include <QtGlobal>

#include <deque>
#include <functional>

// What is left to build of a page, as steps in page order. A page turned to before it was built
// gets what its first view shows at once; the steps for the rest run while the program is idle,
// a few milliseconds at a time, or all at once when anything needs the whole page.
// A slice of idle time: 3 ms by a monotonic clock, so that the reader's next key or click never
// waits long for the building done in it.
class IdleSlice {
public:
    // Nanoseconds on a monotonic clock; tests give a clock of their own, nullptr restores it.
    using Clock = qint64 (*)();
    static void setClock(Clock clock);
    static qint64 now();

    IdleSlice() : m_start(now()) {}
    bool over() const { return left() == 0; }
    // Nanoseconds left, 0 once the slice is over.
    qint64 left() const;

private:
    qint64 m_start;
};

class DeferredBuild {
public:
    using Step = std::function<void()>;

    void later(Step step) { m_steps.push_back(std::move(step)); }
    // For a step that leaves part of its work: the part goes before every step queued so far.
    void next(Step step) { m_steps.push_front(std::move(step)); }
    bool empty() const { return m_steps.empty(); }
    // Runs steps in order until none is left or, with a budget, once `budgetNs` has passed by the
    // idle slice's clock;
    // true when none is left.
    bool run(qint64 budgetNs = -1);

private:
    std::deque<Step> m_steps;
};
