#pragma once

#include <QElapsedTimer>

namespace folia {

// Long operations (saving, loading, importing, re-rendering) call pump() as they go so
// that the busy animation keeps turning and the window repaints. User input is held
// back, so no command can start meanwhile, and events are processed at most every few
// milliseconds rather than after every row.
class EventPump {
public:
    explicit EventPump(int intervalMs = 15);
    void pump();
    // Processes events now, whatever the interval.
    void pumpNow();

private:
    QElapsedTimer m_sinceLast;
    int m_intervalMs;
};

} // namespace folia
