#include "net/knownheader.h"

namespace Net {

QNetworkRequest::KnownHeaders toNetworkHeader(KnownHeader header) {
    switch (header) {
        case KnownHeader::UserAgent:
            return QNetworkRequest::UserAgentHeader;
        case KnownHeader::ContentType:
            return QNetworkRequest::ContentTypeHeader;
        case KnownHeader::ContentLength:
            return QNetworkRequest::ContentLengthHeader;
        case KnownHeader::Location:
            return QNetworkRequest::LocationHeader;
        case KnownHeader::ContentDisposition:
            return QNetworkRequest::ContentDispositionHeader;
    }
    return QNetworkRequest::UserAgentHeader;
}

}  // namespace Net
