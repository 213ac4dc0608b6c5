#include "formats/inffile.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "formats/utf.h"

namespace formats::inf {

namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string lowered(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        c = lowerAscii(c);
    }
    return out;
}

void trimEnd(std::string& text) {
    while (!text.empty() && isBlank(text.back())) {
        text.pop_back();
    }
}

std::string trim(const std::string& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

std::string fromUtf16(const std::string& bytes, size_t start, bool littleEndian) {
    std::u16string wide;
    wide.reserve((bytes.size() - start) / 2);
    for (size_t i = start; i + 1 < bytes.size(); i += 2) {
        const unsigned char a = static_cast<unsigned char>(bytes[i]);
        const unsigned char b = static_cast<unsigned char>(bytes[i + 1]);
        wide.push_back(static_cast<char16_t>(littleEndian ? (a | b << 8) : (b | a << 8)));
    }
    return formats::toUtf8(wide);
}

std::string fromWindows1252(const std::string& bytes) {
    // 0x80-0x9F differ from Latin-1; 0 marks the five unassigned codes.
    static const char16_t high[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    std::u16string wide;
    wide.reserve(bytes.size());
    for (char c : bytes) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0) {
            wide.push_back(high[byte - 0x80] ? high[byte - 0x80] : u'\uFFFD');
        } else {
            wide.push_back(byte);
        }
    }
    return formats::toUtf8(wide);
}

// Cuts a ";" comment outside quotes; a quote left open ends with the line.
std::string stripComment(const std::string& line) {
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == ';' && !quoted) {
            return line.substr(0, i);
        }
    }
    return line;
}

bool oddQuotes(const std::string& text) {
    bool odd = false;
    for (char c : text) {
        odd ^= c == '"';
    }
    return odd;
}

// Splits at commas outside quotes; unquoted blanks at either end go, quotes go, "" inside quotes is
// ".
std::vector<std::string> splitValues(const std::string& text) {
    std::vector<std::string> values;
    std::string current;
    std::string pendingBlanks;
    bool quoted = false;
    bool started = false;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || (text[i] == ',' && !quoted)) {
            values.push_back(current);
            current.clear();
            pendingBlanks.clear();
            started = false;
            quoted = false;
            continue;
        }
        const char c = text[i];
        if (c == '"') {
            if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
                current += pendingBlanks;
                current += '"';
                pendingBlanks.clear();
                ++i;
            } else {
                quoted = !quoted;
                current += pendingBlanks;
                pendingBlanks.clear();
                started = true;
            }
            continue;
        }
        if (!quoted && isBlank(c)) {
            if (started) {
                pendingBlanks += c;
            }
            continue;
        }
        current += pendingBlanks;
        current += c;
        pendingBlanks.clear();
        started = true;
    }
    return values;
}

size_t findOutsideQuotes(const std::string& text, char wanted) {
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
        } else if (text[i] == wanted && !quoted) {
            return i;
        }
    }
    return std::string::npos;
}

}  // namespace

bool equalsIgnoreCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

bool InfFile::load(const std::string& path, std::string& error) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        error = path + ": cannot be opened";
        return false;
    }
    std::string bytes;
    char buffer[64 * 1024];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof(buffer), file.get())) > 0) {
        bytes.append(buffer, got);
        if (bytes.size() > kMaxFileBytes) {
            error = path + ": larger than an INF can be";
            return false;
        }
    }
    if (std::ferror(file.get())) {
        error = path + ": read failed";
        return false;
    }
    if (!parse(bytes, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

bool InfFile::parse(const std::string& bytes, std::string& error) {
    sections_.clear();
    sectionIndex_.clear();
    stringKeys_.clear();
    defaultStrings_ = kNone;
    if (bytes.size() > kMaxFileBytes) {
        error = "larger than an INF can be";
        return false;
    }
    std::string text;
    const auto byteAt = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (bytes.size() >= 2 && byteAt(0) == 0xFF && byteAt(1) == 0xFE) {
        encoding_ = Encoding::Utf16Le;
        text = fromUtf16(bytes, 2, true);
    } else if (bytes.size() >= 2 && byteAt(0) == 0xFE && byteAt(1) == 0xFF) {
        encoding_ = Encoding::Utf16Be;
        text = fromUtf16(bytes, 2, false);
    } else if (bytes.size() >= 3 && byteAt(0) == 0xEF && byteAt(1) == 0xBB && byteAt(2) == 0xBF) {
        encoding_ = Encoding::Utf8Bom;
        text = bytes.substr(3);
    } else {
        size_t oddZeros = 0;
        for (size_t i = 1; i < bytes.size(); i += 2) {
            oddZeros += bytes[i] == 0 ? 1 : 0;
        }
        if (bytes.size() >= 4 && oddZeros * 2 > bytes.size() / 2) {
            encoding_ = Encoding::Utf16Le;
            text = fromUtf16(bytes, 0, true);
        } else if (formats::isValidUtf8(bytes)) {
            encoding_ = Encoding::Utf8;
            text = bytes;
        } else {
            encoding_ = Encoding::Windows1252;
            text = fromWindows1252(bytes);
        }
    }
    if (text.find('\0') != std::string::npos) {
        error = "holds NUL characters";
        return false;
    }

    std::vector<std::string> physical;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n' || text[i] == '\r') {
            physical.push_back(text.substr(start, i - start));
            if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }

    size_t current = kNone;
    for (size_t index = 0; index < physical.size(); ++index) {
        const int firstLine = static_cast<int>(index) + 1;
        std::string line = trim(stripComment(physical[index]));
        // The quote count is carried along: rescanning the joined line would make a long
        // continued line cost its length squared.
        bool quoted = oddQuotes(line);
        const auto continues = [&] { return !quoted && !line.empty() && line.back() == '\\'; };
        while (continues() && index + 1 < physical.size()) {
            line.pop_back();
            const std::string next = trim(stripComment(physical[++index]));
            quoted ^= oddQuotes(next);
            line += next;
            trimEnd(line);
        }
        if (continues()) {
            line.pop_back();
            trimEnd(line);
        }
        if (line.empty()) {
            continue;
        }
        if (line[0] == '[') {
            const size_t close = line.find(']');
            const std::string name =
                trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            const auto added = sectionIndex_.emplace(lowered(name), sections_.size());
            if (added.second) {
                sections_.push_back(Section{name, {}});
            }
            current = added.first->second;
            continue;
        }
        if (current == kNone) {
            continue;
        }
        Entry entry;
        entry.line = firstLine;
        const size_t equals = findOutsideQuotes(line, '=');
        if (equals != std::string::npos) {
            const std::vector<std::string> key = splitValues(line.substr(0, equals));
            entry.key = key.size() == 1 ? key[0] : trim(line.substr(0, equals));
            entry.hasKey = true;
            entry.values = splitValues(line.substr(equals + 1));
        } else {
            entry.values = splitValues(line);
        }
        sections_[current].entries.push_back(std::move(entry));
    }
    indexStrings();
    return true;
}

size_t InfFile::find(const std::string& name) const {
    const auto found = sectionIndex_.find(lowered(name));
    return found == sectionIndex_.end() ? kNone : found->second;
}

void InfFile::indexStrings() {
    size_t firstLocalised = kNone;
    for (size_t k = 0; k < sections_.size(); ++k) {
        const std::string name = lowered(sections_[k].name);
        const bool localised = name.size() > 8 && name.compare(0, 8, "strings.") == 0;
        if (!localised && name != "strings") {
            continue;
        }
        if (localised && firstLocalised == kNone) {
            firstLocalised = k;
        }
        NameIndex& keys = stringKeys_[k];
        const std::vector<Entry>& entries = sections_[k].entries;
        for (size_t e = 0; e < entries.size(); ++e) {
            if (entries[e].hasKey) {
                keys.emplace(lowered(entries[e].key), e);
            }
        }
    }
    defaultStrings_ = find("Strings");
    if (defaultStrings_ == kNone) {
        defaultStrings_ = find("Strings.0409");
    }
    if (defaultStrings_ == kNone) {
        defaultStrings_ = firstLocalised;
    }
}

const Section* InfFile::section(const std::string& name) const {
    const size_t found = find(name);
    return found == kNone ? nullptr : &sections_[found];
}

bool InfFile::hasValue(const std::string& sectionName, const std::string& key) const {
    if (const Section* found = section(sectionName)) {
        for (const Entry& entry : found->entries) {
            if (entry.hasKey && equalsIgnoreCase(entry.key, key)) {
                return true;
            }
        }
    }
    return false;
}

std::string InfFile::value(const std::string& sectionName, const std::string& key) const {
    if (const Section* found = section(sectionName)) {
        for (const Entry& entry : found->entries) {
            if (entry.hasKey && equalsIgnoreCase(entry.key, key)) {
                return entry.values.empty() ? std::string() : substitute(entry.values[0]);
            }
        }
    }
    return {};
}

std::string InfFile::lookup(const std::string& key, const std::string& language) const {
    const std::string wanted = lowered(key);
    for (const size_t table :
         {language.empty() ? kNone : find("Strings." + language), defaultStrings_}) {
        const auto keys = stringKeys_.find(table);
        if (keys == stringKeys_.end()) {
            continue;
        }
        const auto found = keys->second.find(wanted);
        if (found != keys->second.end()) {
            const Entry& entry = sections_[table].entries[found->second];
            return entry.values.empty() ? std::string() : entry.values[0];
        }
    }
    return "%" + key + "%";
}

std::string InfFile::substitute(const std::string& text, const std::string& language) const {
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '%') {
            out += text[i++];
            continue;
        }
        const size_t close = text.find('%', i + 1);
        if (close == std::string::npos) {
            out += text.substr(i);
            break;
        }
        if (close == i + 1) {
            out += '%';
        } else {
            out += lookup(text.substr(i + 1, close - i - 1), language);
        }
        i = close + 1;
    }
    return out;
}

std::vector<std::string> InfFile::modelSections() const {
    std::vector<std::string> names;
    const Section* manufacturer = section("Manufacturer");
    if (!manufacturer) {
        return names;
    }
    std::vector<bool> named(sections_.size(), false);
    const auto add = [&](const std::string& name) {
        const size_t found = find(name);
        if (found == kNone || named[found]) {
            return;
        }
        named[found] = true;
        names.push_back(sections_[found].name);
    };
    for (const Entry& entry : manufacturer->entries) {
        if (entry.values.empty()) {
            continue;
        }
        const std::string base = trim(substitute(entry.values[0]));
        add(base);
        for (size_t k = 1; k < entry.values.size(); ++k) {
            const std::string decoration = trim(substitute(entry.values[k]));
            if (!decoration.empty()) {
                add(base + "." + decoration);
            }
        }
    }
    return names;
}

std::vector<Model> InfFile::models() const {
    std::vector<Model> result;
    for (const std::string& name : modelSections()) {
        for (const Entry& entry : section(name)->entries) {
            Model model;
            model.section = name;
            model.description = entry.hasKey ? substitute(entry.key) : std::string();
            if (!entry.values.empty()) {
                model.installSection = entry.values[0];
            }
            for (size_t k = 1; k < entry.values.size(); ++k) {
                if (!entry.values[k].empty()) {
                    model.ids.push_back(entry.values[k]);
                }
            }
            result.push_back(std::move(model));
        }
    }
    return result;
}

bool InfFile::hasDriverVer() const {
    return hasValue("Version", "DriverVer");
}

std::string InfFile::driverVer() const {
    const Section* version = section("Version");
    if (!version) {
        return {};
    }
    for (const Entry& entry : version->entries) {
        if (entry.hasKey && equalsIgnoreCase(entry.key, "DriverVer")) {
            std::string joined;
            for (size_t k = 0; k < entry.values.size(); ++k) {
                joined += (k ? "," : "") + trim(substitute(entry.values[k]));
            }
            return joined;
        }
    }
    return {};
}

std::string InfFile::driverDate() const {
    const std::string joined = driverVer();
    return trim(joined.substr(0, joined.find(',')));
}

std::string InfFile::driverVersion() const {
    const std::string joined = driverVer();
    const size_t comma = joined.find(',');
    return comma == std::string::npos ? std::string() : trim(joined.substr(comma + 1));
}

}  // namespace formats::inf
