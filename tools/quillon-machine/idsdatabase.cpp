#include "idsdatabase.h"

#include <cctype>
#include <fstream>

namespace quillon {

namespace {

bool parseHex(const std::string& text, std::size_t start, std::size_t digits, unsigned& value) {
    if (text.size() < start + digits) {
        return false;
    }
    value = 0;
    for (std::size_t i = start; i < start + digits; ++i) {
        const char c = text[i];
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return false;
        }
        value = value * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c))
                                                       ? c - '0'
                                                       : std::tolower(c) - 'a' + 10);
    }
    return true;
}

std::string nameAfter(const std::string& line, std::size_t start) {
    std::size_t begin = line.find_first_not_of(" \t", start);
    if (begin == std::string::npos) {
        return {};
    }
    std::string name = line.substr(begin);
    while (!name.empty() && (name.back() == '\r' || name.back() == ' ')) {
        name.pop_back();
    }
    return name;
}

}  // namespace

bool IdsDatabase::load(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        return false;
    }
    enum class Section { None, Vendor, Class } section = Section::None;
    unsigned vendor = 0;
    unsigned base = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        unsigned value = 0;
        if (line[0] != '\t') {
            if (line.rfind("C ", 0) == 0 && parseHex(line, 2, 2, value)) {
                section = Section::Class;
                base = value;
                m_classes[static_cast<std::uint8_t>(value)] = nameAfter(line, 4);
            } else if (parseHex(line, 0, 4, value) && line.size() > 4 && line[4] == ' ') {
                section = Section::Vendor;
                vendor = value;
                m_vendors[static_cast<std::uint16_t>(value)] = nameAfter(line, 4);
            } else {
                // Another table (languages, HID usages, ...): not wanted.
                section = Section::None;
            }
            continue;
        }
        if (line.size() > 1 && line[1] == '\t') {
            continue;  // subsystems and programming interfaces
        }
        if (section == Section::Vendor && parseHex(line, 1, 4, value)) {
            m_devices[{static_cast<std::uint16_t>(vendor), static_cast<std::uint16_t>(value)}] =
                nameAfter(line, 5);
        } else if (section == Section::Class && parseHex(line, 1, 2, value)) {
            m_subclasses[{static_cast<std::uint8_t>(base), static_cast<std::uint8_t>(value)}] =
                nameAfter(line, 3);
        }
    }
    return true;
}

std::string IdsDatabase::vendor(std::uint16_t vendor) const {
    const auto found = m_vendors.find(vendor);
    return found == m_vendors.end() ? std::string() : found->second;
}

std::string IdsDatabase::device(std::uint16_t vendor, std::uint16_t device) const {
    const auto found = m_devices.find({vendor, device});
    return found == m_devices.end() ? std::string() : found->second;
}

std::string IdsDatabase::className(std::uint8_t base) const {
    const auto found = m_classes.find(base);
    return found == m_classes.end() ? std::string() : found->second;
}

std::string IdsDatabase::subclassName(std::uint8_t base, std::uint8_t sub) const {
    const auto found = m_subclasses.find({base, sub});
    return found == m_subclasses.end() ? std::string() : found->second;
}

}  // namespace quillon
