#include "formats/sha1.h"

namespace formats {

std::string Sha1::hexDigest(bool upperCase) {
    unsigned char digest[20];
    if (!finish(digest)) {
        return {};
    }
    const char* digits = upperCase ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string text;
    text.reserve(2 * sizeof(digest));
    for (const unsigned char byte : digest) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
    }
    return text;
}

}  // namespace formats
