#pragma once

#include <QString>

namespace Qln {

// The program's log file. Messages from any thread go to one file; debug
// messages only when asked for with the `log` key.
class Logging {
public:
    static constexpr const char* kPattern =
        "%{time hh:mm:ss} %{type} %{if-category}%{category}: %{endif}%{message}";

    // Appends to the file at `path`, creating its folder; when it cannot be opened, logging is
    // off for the run.
    static void init(const QString& path, bool debug);
    // Restores Qt's own handler and closes the file.
    static void shutdown();
    // "<application data folder>/quillonpro.log"
    static QString defaultPath();
    static bool isOpen();
};

}  // namespace Qln
