// The INF reader with every lookup, and the models a platform reads.
#include "formats/inffile.h"
#include "formats/infrules.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    formats::inf::InfFile file;
    std::string error;
    if (!file.parse(fuzz::text(data, size), error)) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    for (const formats::inf::Section& section : file.sections()) {
        FUZZ_CHECK(file.section(section.name) != nullptr);
        for (const formats::inf::Entry& entry : section.entries) {
            FUZZ_CHECK(entry.line > 0);
            if (entry.hasKey) {
                FUZZ_CHECK(file.hasValue(section.name, entry.key));
                (void)file.value(section.name, entry.key);
            }
            for (const std::string& value : entry.values) {
                (void)file.substitute(value);
                (void)file.substitute(value, "0407");
            }
        }
    }
    (void)file.hasDriverVer();
    (void)file.driverDate();
    (void)file.driverVersion();
    (void)file.value("Version", "Class");
    for (const std::string& name : file.modelSections()) {
        FUZZ_CHECK(file.section(name) != nullptr);
    }
    const std::size_t all = file.models().size();
    for (const formats::InfPlatform& platform : {formats::InfPlatform{"amd64", 10, 0, 1, 19045},
                                                 formats::InfPlatform{"x86", 6, 1, 0, 7601},
                                                 formats::InfPlatform{"arm64", 10, 0, 3, 22000}}) {
        FUZZ_CHECK(formats::modelsFor(file, platform).size() <= all);
    }
    return 0;
}
