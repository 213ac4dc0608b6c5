#include "bearercheck.h"

#include <strings.h>

#include <httplib.h>

namespace Service {

TokenSigner::Verdict checkBearer(const TokenSigner& signer, const httplib::Request& request,
                                 std::int64_t now, TokenSigner::Claims* claims) {
    const std::string authorization = request.get_header_value("Authorization");
    std::string token;
    if (authorization.size() > 7 && strncasecmp(authorization.c_str(), "Bearer ", 7) == 0) {
        token = authorization.substr(7);
        while (!token.empty() && token.front() == ' ') {
            token.erase(0, 1);
        }
        while (!token.empty() && token.back() == ' ') {
            token.pop_back();
        }
    }
    if (!authorization.empty() && token.empty()) {
        return TokenSigner::Verdict::Malformed;
    }
    return signer.verify(token, now, claims);
}

}  // namespace Service
