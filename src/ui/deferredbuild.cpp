#include "ui/deferredbuild.h"

#include <QElapsedTimer>

namespace {

qint64 steadyClock()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.nsecsElapsed();
}

IdleSlice::Clock &currentClock()
{
    static IdleSlice::Clock clock = &steadyClock;
    return clock;
}

} // namespace

void IdleSlice::setClock(Clock clock)
{
    currentClock() = clock ? clock : &steadyClock;
}

qint64 IdleSlice::now()
{
    return currentClock()();
}

qint64 IdleSlice::left() const
{
    constexpr qint64 kSliceNs = 3'000'000;
    return qMax<qint64>(0, kSliceNs - (now() - m_start));
}

bool DeferredBuild::run(qint64 budgetNs)
{
    const qint64 start = IdleSlice::now();
    while (!m_steps.empty()) {
        const Step step = std::move(m_steps.front());
        m_steps.pop_front();
        step();
        if (budgetNs >= 0 && IdleSlice::now() - start >= budgetNs)
            break;
    }
    return m_steps.empty();
}
