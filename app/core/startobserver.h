#pragma once

#include <functional>

class QObject;

namespace Qln {

class WindowController;

// Watches start-up from outside the program's core, as the development aids do; the launcher
// leaves the init window only once the observer is done with it.
class StartObserver {
public:
    virtual ~StartObserver() = default;
    // Runs `then` once the observer is done with the init window, at once if it already is.
    virtual void whenInitDone(std::function<void()> then) = 0;
};

// Makes this run's observer for these windows (owned by `parent`), or none.
using StartObserverFactory =
    std::function<StartObserver*(WindowController* windows, QObject* parent)>;

}  // namespace Qln
