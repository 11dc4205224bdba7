#include "EventPump.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace folia {

EventPump::EventPump(int intervalMs) : m_intervalMs(intervalMs) {
    m_sinceLast.start();
}

void EventPump::pump() {
    if (m_sinceLast.elapsed() >= m_intervalMs) pumpNow();
}

void EventPump::pumpNow() {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_sinceLast.restart();
}

} // namespace folia
