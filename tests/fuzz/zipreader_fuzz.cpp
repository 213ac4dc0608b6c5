// The zip reader over an archive of arbitrary bytes: names, directory and every entry.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "formats/zipreader.h"
#include "fuzzcheck.h"

namespace {

// The reader opens files by path; one scratch file per fuzzing process.
const std::string& scratchPath() {
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("qln-zipreader-fuzz-" + std::to_string(::getpid()) + ".zip"))
                                        .string();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream out(scratchPath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    formats::ZipReader reader;
    std::string error;
    if (!reader.open(scratchPath(), error)) {
        FUZZ_CHECK(!error.empty() && !reader.isOpen());
        return 0;
    }
    FUZZ_CHECK(reader.entries().size() <= formats::ZipReader::kMaxEntries);
    for (std::size_t i = 0; i < reader.entries().size(); ++i) {
        const formats::ZipReader::Entry& entry = reader.entries()[i];
        FUZZ_CHECK(formats::ZipReader::isSafeName(entry.name));
        FUZZ_CHECK(reader.find(entry.name) >= 0);
        std::string bytes;
        if (reader.read(i, 1 << 20, bytes, error)) {
            FUZZ_CHECK(bytes.size() == entry.size);
        } else {
            FUZZ_CHECK(bytes.empty());
        }
    }
    return 0;
}
