#include "ui/deferredbuild.h"

#include <QElapsedTimer>

bool DeferredBuild::run(qint64 budgetNs)
{
    QElapsedTimer clock;
    clock.start();
    while (!m_steps.empty()) {
        const Step step = std::move(m_steps.front());
        m_steps.pop_front();
        step();
        if (budgetNs >= 0 && clock.nsecsElapsed() >= budgetNs)
            break;
    }
    return m_steps.empty();
}
