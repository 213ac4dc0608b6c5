#pragma once

#include <functional>

namespace platform {

enum class StandardStream { Input, Output, Error };

// Whether the stream is a terminal (a console on Windows), not a file or a pipe.
bool isTerminal(StandardStream stream);

// Calls `handler` on a thread of its own each time the user interrupts a console program
// (Ctrl+C or Ctrl+Break on Windows; SIGINT or SIGTERM on POSIX), instead of ending it.
// Set once, before the first interruption; the handler must be safe to call from any thread.
void setInterruptHandler(std::function<void()> handler);

}  // namespace platform
