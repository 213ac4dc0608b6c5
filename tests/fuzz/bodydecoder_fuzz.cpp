// A request body as the service reads an "updates_find" search: inflated when it is a
// compressed stream, parsed within the JSON bounds, then checked field by field.
#include "bodydecoder.h"
#include "catalogrequest.h"
#include "fuzzcheck.h"

using Service::BodyDecoder;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kLimit = 1 << 20;
    constexpr int kDepth = 64;
    constexpr std::size_t kElements = 100000;
    std::string body = fuzz::text(data, size);
    if (BodyDecoder::looksCompressed(body)) {
        std::string inflated;
        const BodyDecoder::Result result = BodyDecoder::inflate(body, kLimit, inflated);
        FUZZ_CHECK(inflated.size() <= kLimit);
        if (result != BodyDecoder::Result::Ok) {
            return 0;
        }
        body.swap(inflated);
    }
    nlohmann::json document;
    const BodyDecoder::Parse verdict = BodyDecoder::parse(body, kDepth, kElements, document);
    if (verdict != BodyDecoder::Parse::Ok) {
        FUZZ_CHECK(document.is_null());
        return 0;
    }
    FUZZ_CHECK(BodyDecoder::withinDepth(body, kDepth));
    Service::CatalogRequest search;
    int status = 0;
    std::string error;
    if (search.parse(document, status, error)) {
        FUZZ_CHECK(search.devices.size() <= Service::CatalogRequest::kMaxDevices);
        for (const Service::SearchDevice& device : search.devices) {
            FUZZ_CHECK(device.hardwareIds.size() <= Service::CatalogRequest::kMaxIds &&
                       device.compatibleIds.size() <= Service::CatalogRequest::kMaxIds);
        }
    } else {
        FUZZ_CHECK((status == 400 || status == 413) && !error.empty());
    }
    return 0;
}
