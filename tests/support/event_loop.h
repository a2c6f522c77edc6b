#pragma once
#include <QCoreApplication>
#include <QThread>

#include "support/eventually.h"

// Like `eventually`, with the event loop running between polls so that
// timers, child output and queued signals arrive.
template <class Done>
bool eventuallyInEventLoop(Done&& done, std::chrono::milliseconds limit) {
    return eventually(done, limit, [] {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    });
}
