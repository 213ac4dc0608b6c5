#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The one way every archive of the product is written, read and extracted. Paths and entry
// names are UTF-8 on every system. Every function here refuses a whole archive that holds one
// hostile entry (see isSafeRelativeName in formats/safename.h, links, repeated or case-colliding
// names) and keeps its memory bounded whatever the entry sizes.
namespace formats {

struct ZipLimits {
    std::uint64_t maxEntryBytes = std::uint64_t(1) << 30;  // inflated size of one entry
    std::uint64_t maxTotalBytes = std::uint64_t(4) << 30;  // inflated size of the whole archive
    std::size_t maxEntries = 100000;
    // A bomb is stopped before anything is written: the archive may not claim to inflate to
    // more than maxRatio times its own size, beyond ratioFloorBytes that any archive may hold.
    std::uint64_t maxRatio = 100;
    std::uint64_t ratioFloorBytes = std::uint64_t(64) << 20;
};

// Set from any thread to stop a pack or an extraction at the next block; the call then fails
// with an error saying so and leaves nothing under the final name.
using ZipCancel = std::atomic<bool>;

// Writes an archive under a temporary name beside the target; commit() renames it over the
// target. Destroyed without commit(), it removes the temporary and leaves any earlier file at
// the target untouched. Entries are deflated at level 6, names carry the UTF-8 flag (bit 11).
class ZipWriter {
public:
    ZipWriter();
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    bool open(const std::string& target, std::string& error);

    // Adds every regular file below folder (sub-folders included, in name order) for which
    // include(relativePath) is true, each named prefix + its path relative to folder with '/'
    // separators. added(relativePath, bytes) is called after each file.
    bool addFolder(
        const std::string& folder, const std::string& prefix,
        const std::function<bool(const std::string& relative)>& include, std::string& error,
        const std::function<void(const std::string& relative, std::uint64_t bytes)>& added = {});
    bool addFile(const std::string& path, const std::string& name, std::string& error);
    bool addEntry(const std::string& name, const std::string& bytes, std::string& error);

    // Finishes the central directory, flushes and renames over the target.
    bool commit(std::string& error);

    void setCancel(const ZipCancel* cancel);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Reads one named entry (exact name) into out; fails when it is missing, inflates to more than
// maxBytes or its CRC does not match.
bool readZipEntry(const std::string& archive, const std::string& name, std::size_t maxBytes,
                  std::string& out, std::string& error);

struct ZipExtractOptions {
    // Only entries whose name starts with prefix, written under their name less the prefix;
    // empty: every entry under its own name.
    std::string prefix;
    ZipLimits limits;
    const ZipCancel* cancel = nullptr;
    // Called after each file with the inflated bytes done so far and the archive's total.
    std::function<void(std::uint64_t done, std::uint64_t total)> progress;
};

// Extracts into a temporary folder beside target (its parent is created) and, when complete,
// puts it in place of target, replacing an earlier folder there only then. Nothing is ever
// written outside target.
bool extractZip(const std::string& archive, const std::string& target,
                const ZipExtractOptions& options, std::string& error);

}  // namespace formats
