// Writes real zip archives for tests, through minizip's own writer.
#pragma once

#include <minizip/zip.h>

#include <string>
#include <utility>
#include <vector>

namespace zipfiles {

struct File {
    std::string name;
    std::string data;
    bool stored = false;                   // no compression, so the bytes can be found and damaged
    unsigned long externalAttributes = 0;  // the Unix mode sits in the high 16 bits
};

inline bool write(const std::string& path, const std::vector<File>& files) {
    zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    if (zip == nullptr) {
        return false;
    }
    bool ok = true;
    for (const File& file : files) {
        zip_fileinfo info{};
        info.external_fa = file.externalAttributes;
        ok = ok &&
             zipOpenNewFileInZip64(zip, file.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                   file.stored ? 0 : Z_DEFLATED, file.stored ? 0 : 6,
                                   file.data.size() > 0xFFFFFFF0u ? 1 : 0) == ZIP_OK &&
             zipWriteInFileInZip(zip, file.data.data(), static_cast<unsigned>(file.data.size())) ==
                 ZIP_OK &&
             zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

}  // namespace zipfiles
