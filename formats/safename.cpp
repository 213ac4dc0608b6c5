#include "formats/safename.h"

#include <cstdint>

#include "formats/text.h"
#include "formats/utf.h"

namespace formats {

namespace {

// The code point at text[at], advancing at; false for a malformed or overlong sequence, which
// Windows would turn into U+FFFD and so into a different name than the one checked.
bool nextCodePoint(const std::string& text, std::size_t& at, char32_t& code) {
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    std::size_t extra = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        code = lead;
        ++at;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        code = lead & 0x1F;
        extra = 1;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        code = lead & 0x0F;
        extra = 2;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        code = lead & 0x07;
        extra = 3;
        minimum = 0x10000;
    } else {
        return false;
    }
    if (at + extra >= text.size()) {
        return false;
    }
    for (std::size_t k = 1; k <= extra; ++k) {
        const unsigned char next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) {
            return false;
        }
        code = (code << 6) | (next & 0x3F);
    }
    at += extra + 1;
    return code >= minimum && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
}

// Lower case for the scripts driver packages name files in; NTFS folds far more, but a
// collision it would find beyond these needs a name no vendor ships.
char32_t foldCode(char32_t code) {
    if ((code >= 'A' && code <= 'Z') || (code >= 0xC0 && code <= 0xDE && code != 0xD7) ||
        (code >= 0x391 && code <= 0x3AB && code != 0x3A2) || (code >= 0x410 && code <= 0x42F)) {
        return code + 0x20;
    }
    if (code >= 0x400 && code <= 0x40F) {
        return code + 0x50;
    }
    if (code == 0x178) {
        return 0xFF;
    }
    // Latin Extended-A pairs an upper case letter with the lower case one after it.
    if (code >= 0x100 && code <= 0x17F && code != 0x130 && code != 0x131 && code != 0x138 &&
        code != 0x149 && code != 0x17F) {
        const bool oddPairs = (code >= 0x139 && code <= 0x148) || (code >= 0x179);
        if ((code % 2 == 1) == oddPairs) {
            return code + 1;
        }
    }
    return code;
}

bool isReservedDeviceName(const std::string& name) {
    // Windows ignores everything from the first dot and trailing spaces before it.
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') {
        base.pop_back();
    }
    base = text::lower(base);
    if (base == "con" || base == "prn" || base == "aux" || base == "nul" || base == "conin$" ||
        base == "conout$") {
        return true;
    }
    if (base.size() >= 4 && (base.compare(0, 3, "com") == 0 || base.compare(0, 3, "lpt") == 0)) {
        const std::string digit = base.substr(3);
        // The superscripts one, two and three count as digits there too.
        return (digit.size() == 1 && digit[0] >= '1' && digit[0] <= '9') || digit == "\xC2\xB9" ||
               digit == "\xC2\xB2" || digit == "\xC2\xB3";
    }
    return false;
}

}  // namespace

bool isSafeFileName(const std::string& name) {
    if (name.empty() || name == "." || name == ".." || name.back() == '.' || name.back() == ' ') {
        return false;
    }
    std::size_t at = 0;
    while (at < name.size()) {
        char32_t code = 0;
        if (!nextCodePoint(name, at, code)) {
            return false;
        }
        if (code < 0x20 || code == 0x7F) {
            return false;
        }
        switch (code) {
            case '<':
            case '>':
            case ':':
            case '"':
            case '/':
            case '\\':
            case '|':
            case '?':
            case '*':
                return false;
            default:
                break;
        }
    }
    return !isReservedDeviceName(name);
}

bool isSafeRelativeName(const std::string& name) {
    if (name.empty()) {
        return false;
    }
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("/\\", start);
        if (end == std::string::npos) {
            end = name.size();
        }
        if (!isSafeFileName(name.substr(start, end - start))) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

std::string nameKey(const std::string& name) {
    std::string key;
    key.reserve(name.size());
    std::size_t at = 0;
    while (at < name.size()) {
        char32_t code = 0;
        const std::size_t from = at;
        if (!nextCodePoint(name, at, code)) {
            key.push_back(name[from]);
            at = from + 1;
            continue;
        }
        appendUtf8(key, code == '\\' ? U'/' : foldCode(code));
    }
    return key;
}

}  // namespace formats
