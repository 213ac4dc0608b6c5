#include "platform/machinemodel.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <unordered_map>

#include "formats/text.h"
#include "platform/process.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace platform::machine {

namespace {

using formats::text::lower;

// The format nests a handful of levels; a document nesting far deeper is damage,
// and would make both the parser and the line tracker below costly.
constexpr std::size_t kMaxNesting = 16;

// The line on which text first nests deeper than kMaxNesting, or 0.
std::size_t lineTooDeep(const std::string& text) {
    std::size_t depth = 0;
    std::size_t line = 1;
    bool inString = false;
    bool escaped = false;
    for (const char c : text) {
        if (c == '\n') {
            ++line;
        }
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > kMaxNesting) {
                return line;
            }
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return 0;
}

struct TooDeep {};

// nlohmann's out_of_range id for a number beyond a double's range.
constexpr int kNumberOverflow = 406;

// Walks the text for nlohmann's parser while counting lines, so that the
// parser's callback can note the line on which each value ended.
struct LineState {
    const char* begin = nullptr;
    const char* position = nullptr;
    std::size_t newlines = 0;
};

class CountingIterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    CountingIterator(const char* at, LineState* state) : at_(at), state_(state) {}
    reference operator*() const { return *at_; }
    CountingIterator& operator++() {
        if (*at_ == '\n') {
            ++state_->newlines;
        }
        ++at_;
        state_->position = at_;
        return *this;
    }
    CountingIterator operator++(int) {
        CountingIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const CountingIterator& other) const { return at_ == other.at_; }
    bool operator!=(const CountingIterator& other) const { return at_ != other.at_; }

private:
    const char* at_;
    LineState* state_;
};

// Parses JSON and remembers the line of every value by its path
// ("devices[3].hardwareIds"), for errors found after parsing.
class LineTracker {
public:
    explicit LineTracker(const std::string& text) {
        state_.begin = text.data();
        state_.position = text.data();
    }

    std::size_t currentLine() const {
        std::size_t line = state_.newlines + 1;
        // A number is only known to have ended once the character after it
        // was read, which may be the line break.
        if (state_.position > state_.begin && state_.position[-1] == '\n' && line > 1) {
            --line;
        }
        return line;
    }

    bool event(json::parse_event_t event, const json& parsed) {
        switch (event) {
            case json::parse_event_t::object_start:
            case json::parse_event_t::array_start:
                if (frames_.size() >= kMaxNesting) {
                    throw TooDeep{};
                }
                note(currentPath());
                frames_.push_back({event == json::parse_event_t::array_start, 0, {}});
                break;
            case json::parse_event_t::key:
                frames_.back().key = parsed.get<std::string>();
                note(currentPath());
                break;
            case json::parse_event_t::object_end:
            case json::parse_event_t::array_end:
                frames_.pop_back();
                advance();
                break;
            case json::parse_event_t::value:
                note(currentPath());
                advance();
                break;
        }
        return true;
    }

    std::size_t lineOf(const std::string& path) const {
        const auto found = lines_.find(path);
        return found == lines_.end() ? 1 : found->second;
    }

    LineState* state() { return &state_; }

private:
    struct Frame {
        bool array;
        std::size_t index;
        std::string key;
    };

    std::string currentPath() const {
        std::string path;
        for (const Frame& frame : frames_) {
            if (frame.array) {
                path += "[" + std::to_string(frame.index) + "]";
            } else {
                path += (path.empty() ? "" : ".") + frame.key;
            }
        }
        return path;
    }

    void note(const std::string& path) { lines_.emplace(path, currentLine()); }

    void advance() {
        if (!frames_.empty() && frames_.back().array) {
            ++frames_.back().index;
        }
    }

    LineState state_;
    std::vector<Frame> frames_;
    std::unordered_map<std::string, std::size_t> lines_;
};

struct ReadError {
    std::string path;
    std::string expected;
};

// Typed access to the parsed document; the first mismatch throws ReadError,
// which load() turns into "<file>:<line>: ...".
class Reader {
public:
    static std::string child(const std::string& path, const std::string& key) {
        return path.empty() ? key : path + "." + key;
    }
    static std::string item(const std::string& path, std::size_t index) {
        return path + "[" + std::to_string(index) + "]";
    }

    static const json& object(const json& node, const std::string& path) {
        if (!node.is_object()) {
            throw ReadError{path, "an object"};
        }
        return node;
    }

    static const json& array(const json& node, const std::string& path) {
        if (!node.is_array()) {
            throw ReadError{path, "an array"};
        }
        return node;
    }

    static const json* member(const json& parent, const char* key) {
        const auto found = parent.find(key);
        return found == parent.end() ? nullptr : &*found;
    }

    static std::string text(const json& parent, const std::string& path, const char* key,
                            bool required = false) {
        const json* value = member(parent, key);
        if (!value) {
            if (required) {
                throw ReadError{child(path, key), "a string (the member is missing)"};
            }
            return {};
        }
        if (!value->is_string()) {
            throw ReadError{child(path, key), "a string"};
        }
        return value->get<std::string>();
    }

    static std::uint32_t number(const json& parent, const std::string& path, const char* key) {
        const json* value = member(parent, key);
        if (!value) {
            return 0;
        }
        if (!value->is_number_unsigned() && !(value->is_number_integer() && *value >= 0)) {
            throw ReadError{child(path, key), "a non-negative integer"};
        }
        const auto wide = value->get<std::uint64_t>();
        if (wide > 0xFFFFFFFFull) {
            throw ReadError{child(path, key), "an integer below 2^32"};
        }
        return static_cast<std::uint32_t>(wide);
    }

    static bool boolean(const json& parent, const std::string& path, const char* key,
                        bool fallback) {
        const json* value = member(parent, key);
        if (!value) {
            return fallback;
        }
        if (!value->is_boolean()) {
            throw ReadError{child(path, key), "true or false"};
        }
        return value->get<bool>();
    }

    static std::vector<std::string> strings(const json& parent, const std::string& path,
                                            const char* key) {
        const json* value = member(parent, key);
        std::vector<std::string> result;
        if (!value) {
            return result;
        }
        const std::string at = child(path, key);
        array(*value, at);
        for (std::size_t i = 0; i < value->size(); ++i) {
            if (!(*value)[i].is_string()) {
                throw ReadError{item(at, i), "a string"};
            }
            result.push_back((*value)[i].get<std::string>());
        }
        return result;
    }
};

DriverRecord readDriver(const json& node, const std::string& path) {
    Reader::object(node, path);
    DriverRecord driver;
    driver.infName = Reader::text(node, path, "infName", true);
    driver.rank = Reader::number(node, path, "rank");
    driver.driverType = Reader::number(node, path, "driverType");
    driver.provider = Reader::text(node, path, "provider");
    driver.version = Reader::text(node, path, "version");
    driver.date = Reader::text(node, path, "date");
    driver.description = Reader::text(node, path, "description");
    driver.matchingId = Reader::text(node, path, "matchingId");
    if (!driver.date.empty()) {
        const std::string& d = driver.date;
        const bool shaped = d.size() == 10 && d[4] == '-' && d[7] == '-' &&
                            std::all_of(d.begin(), d.end(), [](char c) {
                                return c == '-' || std::isdigit(static_cast<unsigned char>(c));
                            });
        if (!shaped) {
            throw ReadError{Reader::child(path, "date"), "a date as YYYY-MM-DD"};
        }
    }
    return driver;
}

WmiValue readWmiValue(const json& node, const std::string& path) {
    if (node.is_null()) {
        return {};
    }
    if (node.is_string()) {
        return WmiValue::fromText(node.get<std::string>());
    }
    if (node.is_number_integer()) {
        return WmiValue::fromNumber(node.get<std::int64_t>());
    }
    if (node.is_array()) {
        std::vector<std::int64_t> numbers;
        for (std::size_t i = 0; i < node.size(); ++i) {
            if (!node[i].is_number_integer()) {
                throw ReadError{Reader::item(path, i), "an integer"};
            }
            numbers.push_back(node[i].get<std::int64_t>());
        }
        return WmiValue::fromNumbers(std::move(numbers));
    }
    throw ReadError{path, "a string, an integer, an array of integers or null"};
}

void readModel(const json& root, Model& model) {
    Reader::object(root, "");
    if (const json* os = Reader::member(root, "os")) {
        Reader::object(*os, "os");
        model.os.major = Reader::number(*os, "os", "major");
        model.os.minor = Reader::number(*os, "os", "minor");
        model.os.platformId = Reader::number(*os, "os", "platformId");
        model.os.productType = Reader::number(*os, "os", "productType");
        model.os.suiteMask = Reader::number(*os, "os", "suiteMask");
        model.os.build = Reader::number(*os, "os", "build");
        model.os.productInfo = Reader::number(*os, "os", "productInfo");
        model.os.processorArchitecture = Reader::number(*os, "os", "processorArchitecture");
        model.os.serverR2 = Reader::number(*os, "os", "serverR2");
        model.os.is64 = Reader::boolean(*os, "os", "is64", false);
    }
    if (const json* wmi = Reader::member(root, "wmi")) {
        Reader::object(*wmi, "wmi");
        for (const auto& [className, objects] : wmi->items()) {
            const std::string classPath = "wmi." + className;
            Reader::array(objects, classPath);
            auto& list = model.wmi[className];
            for (std::size_t i = 0; i < objects.size(); ++i) {
                const std::string objectPath = Reader::item(classPath, i);
                Reader::object(objects[i], objectPath);
                WmiObject object;
                for (const auto& [property, value] : objects[i].items()) {
                    object[property] = readWmiValue(value, objectPath + "." + property);
                }
                list.push_back(std::move(object));
            }
        }
    }
    if (const json* classes = Reader::member(root, "classes")) {
        Reader::array(*classes, "classes");
        for (std::size_t i = 0; i < classes->size(); ++i) {
            const std::string path = Reader::item("classes", i);
            const json& node = Reader::object((*classes)[i], path);
            model.classes.push_back({Reader::text(node, path, "guid", true),
                                     Reader::text(node, path, "name"),
                                     Reader::text(node, path, "lowerLogoVersion")});
        }
    }
    const json* devices = Reader::member(root, "devices");
    if (!devices) {
        throw ReadError{"devices", "an array (the member is missing)"};
    }
    Reader::array(*devices, "devices");
    for (std::size_t i = 0; i < devices->size(); ++i) {
        const std::string path = Reader::item("devices", i);
        const json& node = Reader::object((*devices)[i], path);
        Device device;
        device.instanceId = Reader::text(node, path, "instanceId", true);
        device.classGuid = Reader::text(node, path, "classGuid");
        device.className = Reader::text(node, path, "className");
        device.name = Reader::text(node, path, "name");
        device.description = Reader::text(node, path, "description");
        device.manufacturer = Reader::text(node, path, "manufacturer");
        device.hardwareIds = Reader::strings(node, path, "hardwareIds");
        device.compatibleIds = Reader::strings(node, path, "compatibleIds");
        device.present = Reader::boolean(node, path, "present", true);
        device.problem = Reader::number(node, path, "problem");
        if (const json* driver = Reader::member(node, "driver"); driver && !driver->is_null()) {
            device.driver = readDriver(*driver, Reader::child(path, "driver"));
        }
        if (const json* previous = Reader::member(node, "previousDrivers")) {
            const std::string at = Reader::child(path, "previousDrivers");
            Reader::array(*previous, at);
            for (std::size_t j = 0; j < previous->size(); ++j) {
                device.previousDrivers.push_back(readDriver((*previous)[j], Reader::item(at, j)));
            }
        }
        model.devices.push_back(std::move(device));
    }
}

json driverJson(const DriverRecord& driver) {
    return json{{"infName", driver.infName},         {"rank", driver.rank},
                {"driverType", driver.driverType},   {"provider", driver.provider},
                {"version", driver.version},         {"date", driver.date},
                {"description", driver.description}, {"matchingId", driver.matchingId}};
}

json wmiJson(const WmiValue& value) {
    switch (value.type) {
        case WmiValue::Type::Text:
            return value.text;
        case WmiValue::Type::Number:
            return value.number;
        case WmiValue::Type::NumberArray:
            return value.numbers;
        case WmiValue::Type::Null:
            break;
    }
    return nullptr;
}

bool readFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return !in.bad();
}

bool writeAll(int fd, const std::string& data) {
    std::size_t written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.data() + written, data.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

const SetupClass* Model::findClass(const std::string& guid) const {
    const std::string wanted = lower(guid);
    for (const SetupClass& setupClass : classes) {
        if (lower(setupClass.guid) == wanted) {
            return &setupClass;
        }
    }
    return nullptr;
}

Device* Model::findDevice(const std::string& instanceId) {
    const std::string wanted = lower(instanceId);
    for (Device& device : devices) {
        if (lower(device.instanceId) == wanted) {
            return &device;
        }
    }
    return nullptr;
}

bool parse(const std::string& text, const std::string& file, Model& model, std::string& error) {
    if (const std::size_t line = lineTooDeep(text)) {
        error = file + ":" + std::to_string(line) + ": expected at most " +
                std::to_string(kMaxNesting) + " levels of nesting";
        return false;
    }
    // nlohmann ends its input at a NUL and ignores the rest: a file cut off by zeros or
    // carrying text after one would read as whole.
    if (const std::size_t nul = text.find('\0'); nul != std::string::npos) {
        const auto line = 1 + std::count(text.begin(), text.begin() + nul, '\n');
        error = file + ":" + std::to_string(line) + ": expected JSON, found a NUL character";
        return false;
    }
    json document;
    try {
        document = json::parse(text, [](int depth, json::parse_event_t, json&) {
            if (depth > static_cast<int>(kMaxNesting)) {
                throw TooDeep{};
            }
            return true;
        });
    } catch (const TooDeep&) {
        error = file + ":1: expected at most " + std::to_string(kMaxNesting) + " levels of nesting";
        return false;
    } catch (const json::parse_error& failure) {
        // `byte` is one past the first character the parser could not use.
        const std::size_t stop = std::min<std::size_t>(failure.byte, text.size() + 1);
        std::size_t line = 1;
        for (std::size_t i = 0; i + 1 < stop; ++i) {
            line += text[i] == '\n';
        }
        const bool atEnd =
            stop > text.size() || text.find_first_not_of(" \t\r\n", stop - 1) == std::string::npos;
        error = file + ":" + std::to_string(line) + ": " +
                (atEnd ? "expected more JSON, the file ends early"
                       : "expected JSON, found malformed text");
        return false;
    } catch (const json::exception& failure) {
        // The parser's other refusal, a number too large for a double (1e400), carries no
        // position: walk the text again to the point where the parser gives up.
        LineTracker tracker(text);
        try {
            const json again =
                json::parse(CountingIterator(text.data(), tracker.state()),
                            CountingIterator(text.data() + text.size(), tracker.state()));
            (void)again;
        } catch (const json::exception&) {
        }
        error = file + ":" + std::to_string(tracker.currentLine()) + ": " +
                (failure.id == kNumberOverflow ? "expected a number a double can hold"
                                               : "expected JSON, found malformed text");
        return false;
    }
    Model result;
    try {
        readModel(document, result);
    } catch (const ReadError& wrong) {
        // Lines are worth a second, slower parse only when there is an error to place.
        LineTracker tracker(text);
        try {
            const json again =
                json::parse(CountingIterator(text.data(), tracker.state()),
                            CountingIterator(text.data() + text.size(), tracker.state()),
                            [&tracker](int, json::parse_event_t event, json& parsed) {
                                return tracker.event(event, parsed);
                            });
            (void)again;
        } catch (const json::exception&) {
        } catch (const TooDeep&) {
        }
        error = file + ":" + std::to_string(tracker.lineOf(wrong.path)) + ": " +
                (wrong.path.empty() ? "the document" : wrong.path) + ": expected " + wrong.expected;
        return false;
    }
    model = std::move(result);
    return true;
}

bool load(const std::string& root, Model& model, std::string& error) {
    const std::string file = root + "/" + kMachineFile;
    std::string text;
    if (!readFile(file, text)) {
        error = file + ":0: expected a readable file: " + std::strerror(errno);
        return false;
    }
    return parse(text, file, model, error);
}

std::string serialize(const Model& model) {
    json root;
    root["os"] = {{"major", model.os.major},
                  {"minor", model.os.minor},
                  {"platformId", model.os.platformId},
                  {"productType", model.os.productType},
                  {"suiteMask", model.os.suiteMask},
                  {"build", model.os.build},
                  {"productInfo", model.os.productInfo},
                  {"processorArchitecture", model.os.processorArchitecture},
                  {"serverR2", model.os.serverR2},
                  {"is64", model.os.is64}};
    json wmi = json::object();
    for (const auto& [className, objects] : model.wmi) {
        json list = json::array();
        for (const WmiObject& object : objects) {
            json entry = json::object();
            for (const auto& [property, value] : object) {
                entry[property] = wmiJson(value);
            }
            list.push_back(std::move(entry));
        }
        wmi[className] = std::move(list);
    }
    root["wmi"] = std::move(wmi);
    json classes = json::array();
    for (const SetupClass& setupClass : model.classes) {
        classes.push_back({{"guid", setupClass.guid},
                           {"name", setupClass.name},
                           {"lowerLogoVersion", setupClass.lowerLogoVersion}});
    }
    root["classes"] = std::move(classes);
    json devices = json::array();
    for (const Device& device : model.devices) {
        json node = {{"instanceId", device.instanceId},   {"classGuid", device.classGuid},
                     {"className", device.className},     {"name", device.name},
                     {"description", device.description}, {"manufacturer", device.manufacturer},
                     {"hardwareIds", device.hardwareIds}, {"compatibleIds", device.compatibleIds},
                     {"present", device.present},         {"problem", device.problem}};
        node["driver"] = device.driver ? driverJson(*device.driver) : json(nullptr);
        json previous = json::array();
        for (const DriverRecord& driver : device.previousDrivers) {
            previous.push_back(driverJson(driver));
        }
        node["previousDrivers"] = std::move(previous);
        devices.push_back(std::move(node));
    }
    root["devices"] = std::move(devices);
    return root.dump(2) + "\n";
}

bool save(const std::string& root, const Model& model, std::string& error) {
    const std::string target = root + "/" + kMachineFile;
    std::string temp = root + "/.machine.json.XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        error = target + ": cannot create a temporary file: " + std::strerror(errno);
        return false;
    }
    const std::string data = serialize(model);
    const bool written = writeAll(fd, data) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    ::fchmod(fd, 0644);
    if (::close(fd) != 0 || !written) {
        ::unlink(temp.c_str());
        error = target + ": cannot write: " + std::strerror(written ? errno : writeErrno);
        return false;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int renameErrno = errno;
        ::unlink(temp.c_str());
        error = target + ": cannot replace: " + std::strerror(renameErrno);
        return false;
    }
    // Make the rename itself durable.
    const int dir = ::open(root.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

std::string sampleMachineRoot() {
    std::vector<std::string> candidates;
    if (std::string override = environment("QUILLON_SAMPLE_MACHINE"); !override.empty()) {
        candidates.push_back(override);
    }
    const fs::path exeDir = fs::path(currentExecutablePath()).parent_path();
    if (!exeDir.empty()) {
        candidates.push_back((exeDir / "machines" / "sample-pc").string());
        candidates.push_back((exeDir / ".." / "share" / "quillonpro" / "machines" / "sample-pc")
                                 .lexically_normal()
                                 .string());
    }
#ifdef QLN_SOURCE_SAMPLE_MACHINE
    candidates.push_back(QLN_SOURCE_SAMPLE_MACHINE);
#endif
    std::error_code ec;
    for (const std::string& candidate : candidates) {
        if (fs::is_regular_file(fs::path(candidate) / kMachineFile, ec)) {
            return candidate;
        }
    }
    return {};
}

bool loadCurrent(Model& model, std::string& root, std::string& error) {
    root = machineRoot();
    if (root.empty()) {
        error = "no machine folder and no sample PC to make one from";
        return false;
    }
    return load(root, model, error);
}

std::string machineRoot() {
    if (std::string override = environment("QUILLON_MACHINE"); !override.empty()) {
        return override;
    }
    fs::path dataHome;
    if (std::string xdg = environment("XDG_DATA_HOME"); !xdg.empty()) {
        dataHome = xdg;
    } else if (std::string home = environment("HOME"); !home.empty()) {
        dataHome = fs::path(home) / ".local" / "share";
    } else {
        return {};
    }
    const fs::path root = dataHome / "QuillonPro" / "machine";
    std::error_code ec;
    if (fs::is_regular_file(root / kMachineFile, ec)) {
        return root.string();
    }
    const std::string sample = sampleMachineRoot();
    if (sample.empty()) {
        return {};
    }
    // Copy beside the target and rename, so a half-made copy is never taken
    // for the machine.
    fs::create_directories(root.parent_path(), ec);
    const fs::path staging =
        root.parent_path() / (".machine-" + std::to_string(currentProcessId()));
    fs::remove_all(staging, ec);
    fs::copy(sample, staging, fs::copy_options::recursive, ec);
    if (ec) {
        fs::remove_all(staging, ec);
        return {};
    }
    fs::rename(staging, root, ec);
    if (ec) {
        // Another process may have won the race; its copy is as good.
        fs::remove_all(staging, ec);
        if (!fs::is_regular_file(root / kMachineFile, ec)) {
            return {};
        }
    }
    return root.string();
}

std::string infFolder(const std::string& root) {
    return root + "/" + kInfFolder;
}

std::string driverStoreFolder(const std::string& root) {
    return root + "/" + kDriverStoreFolder;
}

std::string findInf(const std::string& root, const std::string& infName) {
    if (infName.empty() || infName.find('/') != std::string::npos ||
        infName.find('\\') != std::string::npos) {
        return {};
    }
    const std::string wanted = lower(infName);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(infFolder(root), ec)) {
        if (lower(entry.path().filename().string()) == wanted && entry.is_regular_file(ec)) {
            return entry.path().string();
        }
    }
    return {};
}

DriverStoreIndex::DriverStoreIndex(const std::string& root) : m_root(root) {
    std::error_code ec;
    std::vector<fs::path> folders;
    for (const auto& folder : fs::directory_iterator(driverStoreFolder(root), ec)) {
        folders.push_back(folder.path());
    }
    // Folder order decides between two packages of one INF name: the same on every run.
    std::sort(folders.begin(), folders.end());
    for (const fs::path& folder : folders) {
        // Store folders are named "<inf name>_<arch>_<hash>".
        const std::string folderName = lower(folder.filename().string());
        for (const auto& file : fs::directory_iterator(folder, ec)) {
            const std::string name = lower(file.path().filename().string());
            if (name.size() < 4 || name.compare(name.size() - 4, 4, ".inf") != 0) {
                continue;
            }
            if (folderName.rfind(name + "_", 0) == 0) {
                m_byName.emplace(name, file.path().string());
            }
            m_bySize.emplace(file.file_size(ec), file.path().string());
        }
    }
}

std::string DriverStoreIndex::find(const std::string& infName) const {
    if (infName.empty() || infName.find('/') != std::string::npos ||
        infName.find('\\') != std::string::npos) {
        return {};
    }
    const auto named = m_byName.find(lower(infName));
    if (named != m_byName.end()) {
        return named->second;
    }
    // A published oemN.inf is a copy of the INF of one store package.
    const std::string published = findInf(m_root, infName);
    std::string content;
    if (published.empty() || !readFile(published, content)) {
        return {};
    }
    const auto [first, last] = m_bySize.equal_range(content.size());
    for (auto candidate = first; candidate != last; ++candidate) {
        std::string other;
        if (readFile(candidate->second, other) && other == content) {
            return candidate->second;
        }
    }
    return {};
}

std::string findDriverStoreInf(const std::string& root, const std::string& infName) {
    return DriverStoreIndex(root).find(infName);
}

}  // namespace platform::machine
