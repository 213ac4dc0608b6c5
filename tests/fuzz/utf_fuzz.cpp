// The UTF conversions: well-formed text survives both ways, and malformed text never
// decodes to a character its bytes did not spell.
#include <algorithm>

#include "formats/utf.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = fuzz::text(data, size);
    const std::u16string wide = formats::toUtf16(bytes);
    const bool valid = formats::isValidUtf8(bytes);
    if (valid) {
        FUZZ_CHECK(formats::toUtf8(wide) == bytes);
    } else {
        FUZZ_CHECK(std::find(wide.begin(), wide.end(), u'\uFFFD') != wide.end());
    }
    // An ASCII character comes out only where its own byte went in (no overlong line feed).
    for (char16_t ascii = 0; ascii < 0x80; ++ascii) {
        FUZZ_CHECK(std::count(wide.begin(), wide.end(), ascii) ==
                   std::count(bytes.begin(), bytes.end(), static_cast<char>(ascii)));
    }
    FUZZ_CHECK(formats::isValidUtf8(formats::toUtf8(wide)));

    // The same bytes as UTF-16LE: whatever the units, the UTF-8 is well formed.
    std::u16string units;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        units.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    }
    const std::string utf8 = formats::toUtf8(units);
    FUZZ_CHECK(formats::isValidUtf8(utf8));
    bool loneSurrogate = false;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i] >= 0xD800 && units[i] <= 0xDBFF && i + 1 < units.size() &&
            units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            ++i;
        } else if (units[i] >= 0xD800 && units[i] <= 0xDFFF) {
            loneSurrogate = true;
        }
    }
    if (!loneSurrogate) {
        FUZZ_CHECK(formats::toUtf16(utf8) == units);
    }
    return 0;
}
