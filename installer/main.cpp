// Installs one driver package for one device on request of the program that
// started it, and answers over the install pipe. The exit code tells how the
// exchange went; the reply tells how the installation went.
#include <chrono>
#include <string>
#include <vector>

#include "formats/installwire.h"
#include "platform/driverinstall.h"
#include "platform/installpipe.h"

namespace {

enum ExitCode {
    kReplySent = 0,
    kPipeNotOpened = 1,
    kLengthNotRead = 2,
    kRequestNotRead = 3,
    kRequestInvalid = 4,
    kReplyLengthNotWritten = 5,
    kReplyNotWritten = 6,
    kUntrustedServer = 7,
};

// A server that accepts and then sends nothing must not keep an elevated process waiting.
constexpr auto kRequestWait = std::chrono::seconds(30);

int run() {
    platform::InstallPipeClient pipe;
    switch (pipe.open()) {
        case platform::InstallPipeClient::OpenResult::Opened:
            break;
        case platform::InstallPipeClient::OpenResult::Failed:
            return kPipeNotOpened;
        case platform::InstallPipeClient::OpenResult::UntrustedServer:
            return kUntrustedServer;
    }

    const auto deadline = std::chrono::steady_clock::now() + kRequestWait;
    const auto keepWaiting = [deadline] { return std::chrono::steady_clock::now() < deadline; };
    unsigned char header[4];
    std::int32_t length = 0;
    if (!pipe.read(header, sizeof(header), keepWaiting) ||
        !formats::wire::decodeLength(header, length)) {
        return kLengthNotRead;
    }
    std::vector<unsigned char> text(static_cast<size_t>(length));
    if (!pipe.read(text.data(), text.size(), keepWaiting)) {
        return kRequestNotRead;
    }
    std::string requestText;
    formats::wire::InstallRequest request;
    if (!formats::wire::decodeText(text, requestText) ||
        !formats::wire::parseRequest(requestText, request)) {
        return kRequestInvalid;
    }

    const std::string reply = formats::wire::replyText(platform::installDriver(request));
    const std::vector<unsigned char> replyLength = formats::wire::encodeLength(reply);
    if (!pipe.write(replyLength.data(), replyLength.size())) {
        return kReplyLengthNotWritten;
    }
    const std::vector<unsigned char> replyBytes = formats::wire::encodeText(reply);
    if (!pipe.write(replyBytes.data(), replyBytes.size())) {
        return kReplyNotWritten;
    }
    return kReplySent;
}

}  // namespace

int main() {
    return run();
}
