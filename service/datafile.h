#pragma once

#include <string>

namespace Service {

// Opens files of the data folder only when they are regular files, never through a link,
// and never blocking: a FIFO or device put in the folder cannot hang the start.
class DataFile {
public:
    // A descriptor for path opened with flags (O_CREAT allowed), or -1 with the reason,
    // naming the file, in error. A missing file without O_CREAT sets missing.
    static int open(const std::string& path, int flags, std::string& error,
                    bool* missing = nullptr);
    // Succeeds when path is absent or a regular file that is not a link.
    static bool checkRegular(const std::string& path, std::string& error);
};

}  // namespace Service
