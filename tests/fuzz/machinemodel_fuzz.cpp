// The machine model reader: damage gives an error with its line, never an exception, and
// whatever it accepts is written and read back the same.
#include "fuzzcheck.h"
#include "platform/machinemodel.h"

using namespace platform::machine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Model model;
    std::string error;
    if (!parse(fuzz::text(data, size), "m.json", model, error)) {
        FUZZ_CHECK(error.rfind("m.json:", 0) == 0);
        return 0;
    }
    const std::string written = serialize(model);
    Model again;
    FUZZ_CHECK(parse(written, "again.json", again, error));
    FUZZ_CHECK(serialize(again) == written);
    return 0;
}
