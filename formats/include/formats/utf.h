#pragma once

#include <string>

namespace formats {

// Malformed input becomes U+FFFD rather than failing: these texts come from files and pipes.
std::u16string toUtf16(const std::string& utf8);
std::string toUtf8(const std::u16string& utf16);
// One code point, which must be a valid one, appended in UTF-8.
void appendUtf8(std::string& out, char32_t code);

}  // namespace formats
