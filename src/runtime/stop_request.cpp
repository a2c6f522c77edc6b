#include "runtime/stop_request.h"

#include <signal.h>

#include <csignal>

#include "core/failure.h"

namespace ludowell {
namespace {

volatile std::sig_atomic_t requested = 0;

void noteStop(int) { requested = 1; }

}  // namespace

void watchForStopRequests() {
    struct sigaction action {};
    action.sa_handler = noteStop;
    sigemptyset(&action.sa_mask);
    // Restarted calls: the polling loops notice the flag on their own.
    action.sa_flags = SA_RESTART;
    sigset_t stops;
    sigemptyset(&stops);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(signal, &action, nullptr);
        sigaddset(&stops, signal);
    }
    // A parent that blocked them would keep every stop from arriving.
    sigprocmask(SIG_UNBLOCK, &stops, nullptr);
}

bool stopRequested() { return requested != 0; }

void throwIfStopRequested() {
    if (stopRequested()) throw Failure(kStoppedText);
}

}  // namespace ludowell
