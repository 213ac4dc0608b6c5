#pragma once

#include <QSignalSpy>

// A spy counts on the emitting thread, so a run on a pool thread that ends at once may be
// counted before a wait begins: true when a signal was counted already or arrives in time.
inline bool signalArrived(QSignalSpy& spy, int timeoutMs = 5000) {
    return !spy.isEmpty() || spy.wait(timeoutMs);
}
