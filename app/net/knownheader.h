#pragma once

#include <QHashFunctions>
#include <QNetworkRequest>

namespace Net {

enum class KnownHeader : int {
    UserAgent = 0,
    ContentType = 1,
    ContentLength = 2,
    Location = 3,
    ContentDisposition = 4
};

inline constexpr KnownHeader kAllKnownHeaders[] = {
    KnownHeader::UserAgent, KnownHeader::ContentType, KnownHeader::ContentLength,
    KnownHeader::Location, KnownHeader::ContentDisposition};

QNetworkRequest::KnownHeaders toNetworkHeader(KnownHeader header);

inline uint qHash(KnownHeader header, uint seed = 0) {
    return ::qHash(static_cast<int>(header), seed);
}

}  // namespace Net
