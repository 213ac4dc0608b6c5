#pragma once

#include <QString>

#include "net/response.h"

namespace Net {

// How a download ended; `response` is the probe's, the failing part's or the single GET's.
struct DownloadResult {
    enum Code {
        Ok = 0,
        Busy = 1,
        Refused = 2,
        NoReply = 3,
        WriteFailed = 4,
        Sequential = 5,
        BadStatus = 6,
        RangeMismatch = 7,
        SeekFailed = 8,
        TooManyBytes = 9,
    };

    int error = Ok;
    Response response;
    QString message;

    bool isOk() const { return error == Ok; }
};

}  // namespace Net
