#include "common/TerminationSignal.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <csignal>

namespace folia {
namespace {

// Delivers the signal and lets the event loop run until the notice arrives or 5 s pass.
int noticesAfter(TerminationSignal& termination, int signalNumber) {
    int notices = 0;
    QObject::connect(&termination, &TerminationSignal::received, [&] { ++notices; });
    std::raise(signalNumber);
    QElapsedTimer clock;
    clock.start();
    while (notices == 0 && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return notices;
}

TEST(TerminationSignal, EachEndRequestArrivesOnTheEventLoop) {
    int argc = 1;
    char name[] = "common_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    for (int number : {SIGTERM, SIGHUP, SIGINT}) {
        TerminationSignal termination;
        EXPECT_EQ(noticesAfter(termination, number), 1) << "signal " << number;
    }
    // Gone, it leaves the default handling behind.
    struct sigaction action = {};
    sigaction(SIGTERM, nullptr, &action);
    EXPECT_EQ(action.sa_handler, SIG_DFL);
}

} // namespace
} // namespace folia
