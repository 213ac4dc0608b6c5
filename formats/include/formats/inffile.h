#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace formats::inf {

enum class Encoding { Utf8, Utf8Bom, Utf16Le, Utf16Be, Windows1252 };

// One logical line of a section: "key = v1, v2" or a bare list "v1, v2".
// Values are unquoted and trimmed but not substituted.
struct Entry {
    std::string key;
    bool hasKey = false;
    std::vector<std::string> values;
    int line = 0;  // physical line where the entry starts, from 1
};

// All lines of every section of that name, in file order.
struct Section {
    std::string name;
    std::vector<Entry> entries;
};

// One device line of a models section: description = install, hardware id, compatible ids...
struct Model {
    std::string section;
    std::string description;
    std::string installSection;
    std::vector<std::string> ids;  // non-empty fields after the install section, as written
};

// A Windows INF file: sections, keys, values, quoted strings, continuations,
// comments and %string% substitution. Reads UTF-16 (either byte order, BOM),
// UTF-8 (with or without BOM) and Windows-1252 files.
class InfFile {
public:
    // Files larger than this are not INFs anyone ships; refusing them bounds the work.
    static constexpr size_t kMaxFileBytes = 16 * 1024 * 1024;

    bool load(const std::string& path, std::string& error);
    bool parse(const std::string& bytes, std::string& error);

    Encoding encoding() const { return encoding_; }
    const std::vector<Section>& sections() const { return sections_; }
    // Section names compare without regard to case.
    const Section* section(const std::string& name) const;
    // The first value of the first entry with that key, substituted; empty when missing.
    std::string value(const std::string& section, const std::string& key) const;
    bool hasValue(const std::string& section, const std::string& key) const;

    // Replaces %key% from [Strings] ([Strings.0409] or the first [Strings.*] when
    // the file has none); with a language ("0407"), [Strings.0407] is asked first.
    // "%%" gives "%"; unknown keys are left as written.
    std::string substitute(const std::string& text, const std::string& language = {}) const;

    // The models sections named by [Manufacturer] (base and base.decoration) that exist.
    std::vector<std::string> modelSections() const;
    std::vector<Model> models() const;

    // [Version] DriverVer, substituted: the fields trimmed and joined with ",";
    // hasDriverVer() tells a missing entry from an empty one.
    bool hasDriverVer() const;
    std::string driverVer() const;
    std::string driverDate() const;
    std::string driverVersion() const;

private:
    static constexpr size_t kNone = static_cast<size_t>(-1);
    using NameIndex = std::unordered_map<std::string, size_t>;

    size_t find(const std::string& name) const;
    void indexStrings();
    std::string lookup(const std::string& key, const std::string& language) const;

    Encoding encoding_ = Encoding::Utf8;
    std::vector<Section> sections_;
    // Lower-case names to positions keep reading and every lookup linear in the file's size;
    // catalogue INFs hold tens of thousands of sections, models and strings.
    NameIndex sectionIndex_;
    // Per [Strings*] section: lower-case key to its first entry.
    std::unordered_map<size_t, NameIndex> stringKeys_;
    // The table asked when no language is given or the language's table lacks the key.
    size_t defaultStrings_ = kNone;
};

bool equalsIgnoreCase(const std::string& a, const std::string& b);

}  // namespace formats::inf
