#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>

#include "formats/inffile.h"
#include "formats/text.h"
#include "platform/driverinstall.h"
#include "platform/infsearch.h"
#include "platform/machinemodel.h"

namespace platform {

namespace {

// The machine model stands for Windows, so failures carry the codes Windows would give.
constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorWriteFault = 29;
constexpr std::uint32_t kErrorInvalidData = 13;
constexpr std::uint32_t kErrorNoMoreItems = 259;
constexpr std::uint32_t kErrorNoSuchDevinst = 0xE000020B;

using formats::text::lower;

bool listHas(const std::vector<std::string>& ids, const std::string& wanted) {
    for (const std::string& id : ids) {
        if (formats::inf::equalsIgnoreCase(id, wanted)) {
            return true;
        }
    }
    return false;
}

// The rank of the match as Windows keeps it: the kind of identifier and its place in the
// device's list, from which the next scan reads the identifier the driver was installed for.
std::uint32_t matchRank(const machine::Device& device, const std::string& id) {
    for (std::size_t index = 0; index < device.hardwareIds.size() && index < 0x1000; ++index) {
        if (formats::inf::equalsIgnoreCase(device.hardwareIds[index], id)) {
            return static_cast<std::uint32_t>(index);
        }
    }
    for (std::size_t index = 0; index < device.compatibleIds.size() && index < 0x1000; ++index) {
        if (formats::inf::equalsIgnoreCase(device.compatibleIds[index], id)) {
            return 0x2000 + static_cast<std::uint32_t>(index);
        }
    }
    return 0x2000;
}

machine::Device* findDevice(machine::Model& model, const std::string& hardwareId,
                            bool presentOnly) {
    for (const bool compatible : {false, true}) {
        for (machine::Device& device : model.devices) {
            if (presentOnly && !device.present) {
                continue;
            }
            if (listHas(compatible ? device.compatibleIds : device.hardwareIds, hardwareId)) {
                return &device;
            }
        }
    }
    return nullptr;
}

bool copyFile(const std::string& from, const std::string& to) {
    const int source = ::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (source < 0) {
        return false;
    }
    const int target = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (target < 0) {
        ::close(source);
        return false;
    }
    char buffer[64 * 1024];
    ssize_t got = 0;
    bool ok = true;
    while (ok && (got = ::read(source, buffer, sizeof(buffer))) > 0) {
        ok = ::write(target, buffer, static_cast<size_t>(got)) == got;
    }
    ok = ok && got == 0 && ::fsync(target) == 0;
    ::close(source);
    return ::close(target) == 0 && ok;
}

// Copies a package folder; links are not followed, so a package cannot pull in files from
// elsewhere.
bool copyFolder(const std::string& from, const std::string& to, int depth) {
    if (depth > 32 || (::mkdir(to.c_str(), 0755) != 0 && errno != EEXIST)) {
        return false;
    }
    DIR* directory = ::opendir(from.c_str());
    if (!directory) {
        return false;
    }
    bool ok = true;
    while (const dirent* entry = ::readdir(directory)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        struct stat info {};
        const std::string source = from + "/" + name;
        if (::lstat(source.c_str(), &info) != 0) {
            continue;
        }
        if (S_ISDIR(info.st_mode)) {
            ok = copyFolder(source, to + "/" + name, depth + 1) && ok;
        } else if (S_ISREG(info.st_mode)) {
            ok = copyFile(source, to + "/" + name) && ok;
        }
    }
    ::closedir(directory);
    return ok;
}

std::string baseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// "MM/DD/YYYY" as the model keeps dates, "YYYY-MM-DD"; empty when it is not a date.
std::string isoDate(const std::string& date) {
    unsigned month = 0, day = 0, year = 0;
    char tail = 0;
    if (std::sscanf(date.c_str(), "%u/%u/%u%c", &month, &day, &year, &tail) != 3 || month < 1 ||
        month > 12 || day < 1 || day > 31 || year < 1980 || year > 9999) {
        return {};
    }
    char text[16];
    std::snprintf(text, sizeof(text), "%04u-%02u-%02u", year, month, day);
    return text;
}

// An already published copy of the same package is reused, as Windows does; otherwise the
// first free oemN.inf. Empty on failure.
std::string publish(const std::string& root, const std::string& inf, const std::string& sha1) {
    const std::string folder = machine::infFolder(root);
    for (int number = 0; number < 10000; ++number) {
        const std::string name = "oem" + std::to_string(number) + ".inf";
        const std::string existing = machine::findInf(root, name);
        if (existing.empty()) {
            return copyFile(inf, folder + "/" + name) ? name : std::string();
        }
        if (infSha1(existing) == sha1) {
            return name;
        }
    }
    return {};
}

}  // namespace

formats::wire::InstallResult installDriver(const formats::wire::InstallRequest& request) {
    formats::wire::InstallResult result;
    const std::string infPath = findInfBySha1(request.tempDir, request.infSha1);
    if (infPath.empty()) {
        result.errorCode = kInfNotFound;
        return result;
    }

    const std::string root = machine::machineRoot();
    machine::Model model;
    std::string error;
    if (root.empty() || !machine::load(root, model, error)) {
        std::fprintf(stderr, "Machine not read: %s\n", error.c_str());
        result.systemErrorCode = kErrorNoSuchDevinst;
        result.errorCode = kDeviceNotFound;
        return result;
    }

    machine::Device* device = findDevice(model, request.hardwareId, true);
    if (!device) {
        result.systemErrorCode = kErrorNoSuchDevinst;
        result.errorCode =
            findDevice(model, request.hardwareId, false) ? kDeviceNotPresent : kDeviceNotFound;
        return result;
    }

    formats::inf::InfFile file;
    if (!file.load(infPath, error)) {
        result.systemErrorCode = kErrorInvalidData;
        result.errorCode = kDriverUpdateFailed;
        return result;
    }
    const formats::inf::Model* matched = nullptr;
    const std::vector<formats::inf::Model> models = file.models();
    for (const formats::inf::Model& candidate : models) {
        if (listHas(candidate.ids, request.hardwareId)) {
            matched = &candidate;
            break;
        }
    }
    std::vector<std::string> deviceIds = device->hardwareIds;
    deviceIds.insert(deviceIds.end(), device->compatibleIds.begin(), device->compatibleIds.end());
    OsVersionInfo os;
    os.major = model.os.major;
    os.minor = model.os.minor;
    os.productType = model.os.productType;
    os.build = model.os.build;
    os.processorArchitecture = model.os.processorArchitecture;
    // Checked before the rollback touches anything: an INF that cannot install for this
    // device must leave its current driver in place.
    if (!matched || (request.rollback && !infListsDevice(file, infPlatform(os), deviceIds))) {
        result.systemErrorCode = kErrorNoMoreItems;
        result.errorCode = kDriverUpdateFailed;
        return result;
    }

    // Windows ranks a driver by its package and signature, not by the id it was asked for: a
    // driver put back keeps the rank it had, so later updates compete with it as before.
    std::optional<std::uint32_t> restoredRank;
    if (request.rollback) {
        const std::string current = device->driver ? device->driver->infName : std::string();
        const std::string published =
            current.empty() ? std::string() : machine::findInf(root, current);
        const bool oem = lower(current).rfind("oem", 0) == 0;
        if (oem && !published.empty() && ::unlink(published.c_str()) != 0 && errno != ENOENT) {
            if (device->previousDrivers.empty()) {
                result.systemErrorCode = static_cast<std::uint32_t>(errno);
                result.errorCode = kRollbackFailed;
                return result;
            }
        }
        if (!device->previousDrivers.empty()) {
            device->driver = device->previousDrivers.back();
            device->previousDrivers.pop_back();
            restoredRank = device->driver->rank;
        }
    }

    const std::string sha1 = infSha1(infPath);
    const std::string store = machine::driverStoreFolder(root) + "/" + lower(baseName(infPath)) +
                              "_amd64_" + lower(sha1.substr(0, 16));
    if (!copyFolder(folderOf(infPath), store, 0)) {
        result.systemErrorCode = kErrorWriteFault;
        result.errorCode = kDriverUpdateFailed;
        return result;
    }
    const std::string published = publish(root, infPath, sha1);
    if (published.empty()) {
        result.systemErrorCode = kErrorWriteFault;
        result.errorCode = kDriverUpdateFailed;
        return result;
    }

    machine::DriverRecord record;
    record.infName = published;
    record.driverType = 2;
    record.provider = file.value("Version", "Provider");
    record.version = file.driverVersion();
    record.date = isoDate(file.driverDate());
    record.description = matched->description;
    record.matchingId = lower(request.hardwareId);
    for (machine::Device& other : model.devices) {
        if (!other.present || (!listHas(other.hardwareIds, request.hardwareId) &&
                               !listHas(other.compatibleIds, request.hardwareId))) {
            continue;
        }
        if (other.driver && !request.rollback) {
            other.previousDrivers.push_back(*other.driver);
        }
        other.driver = record;
        other.driver->rank =
            &other == device && restoredRank ? *restoredRank : matchRank(other, request.hardwareId);
    }
    if (!machine::save(root, model, error)) {
        std::fprintf(stderr, "Machine not saved: %s\n", error.c_str());
        result.systemErrorCode = kErrorWriteFault;
        result.errorCode = kDriverUpdateFailed;
        return result;
    }
    return result;
}

}  // namespace platform
