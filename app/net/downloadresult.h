#pragma once

#include <QString>

#include "net/response.h"

namespace Net {

// How a download ended; `response` is the probe's, the failing part's or the single GET's.
// Every code but Ok is a failure.
struct DownloadResult {
    enum Code {
        // The whole file was written (or a non-blocking job was started).
        Ok = 0,
        // Refused: a job is already running.
        Busy = 1,
        // Refused: invalid URL, no device, no token; or the fallback did not start.
        Refused = 2,
        // The GET produced no reply, or was cut and could not be resumed.
        NoReply = 3,
        WriteFailed = 4,
        // Refused: the device cannot seek.
        Sequential = 5,
        // The probe was not 2xx, or a part was not 206.
        BadStatus = 6,
        // A reply's "Content-Range" does not match what was asked for.
        RangeMismatch = 7,
        SeekFailed = 8,
        // A part, or the whole file, is larger than expected (see setExpectedSize): the
        // bytes beyond never reached the device.
        TooManyBytes = 9,
        // abort() ended the job; whatever was written is incomplete.
        Aborted = 10,
    };

    int error = Ok;
    Response response;
    QString message;

    bool isOk() const { return error == Ok; }
};

}  // namespace Net
