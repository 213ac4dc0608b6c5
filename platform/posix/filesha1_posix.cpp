#include "filesha1.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <string>

#include "formats/sha1.h"
#include "platform/systemactions.h"

namespace platform {

namespace posix {

std::string sha1OfFile(int fd, bool upperCase) {
    // One buffer per thread, left uninitialised: a fresh or zeroed megabyte for every small INF
    // would cost more in page faults than the hash itself.
    constexpr size_t kReadSize = 1 << 20;
    thread_local const std::unique_ptr<unsigned char[]> buffer(new unsigned char[kReadSize]);
    formats::Sha1 hash;
    ssize_t got = 0;
    while ((got = ::read(fd, buffer.get(), kReadSize)) != 0) {
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            break;
        }
        hash.add(buffer.get(), static_cast<size_t>(got));
    }
    ::close(fd);
    return got < 0 ? std::string() : hash.hexDigest(upperCase);
}

}  // namespace posix

std::string sha1Hex(const void* data, std::size_t size) {
    formats::Sha1 hash;
    hash.add(data, size);
    return hash.hexDigest(false);
}

std::string fileSha1(const std::string& path) {
    // A folder opens but fails to read (EISDIR), which gives the empty answer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    return fd < 0 ? std::string() : posix::sha1OfFile(fd, false);
}

}  // namespace platform
