#pragma once

#include <cstdint>

#include "tokensigner.h"

namespace httplib {
struct Request;
}

namespace Service {

// Reads "Authorization: Bearer <token>" and verifies the token.
TokenSigner::Verdict checkBearer(const TokenSigner& signer, const httplib::Request& request,
                                 std::int64_t now, TokenSigner::Claims* claims = nullptr);

}  // namespace Service
