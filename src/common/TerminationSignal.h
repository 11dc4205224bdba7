#pragma once

#include <QObject>

class QSocketNotifier;

namespace folia {

// Turns the requests to end the program that arrive as signals (SIGTERM when the session
// ends or a service manager stops it, SIGHUP, SIGINT) into a Qt signal on the window thread,
// so the program can end the way its own Exit does instead of dying with its work unsaved.
// One instance at a time; the default handling comes back when it is destroyed.
class TerminationSignal : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

signals:
    void received();

private:
    void drain();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace folia
