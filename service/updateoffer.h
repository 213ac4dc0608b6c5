#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace Service {

// The configured "update" offer may name its setup by "file", a plain file name in `folder` (the
// hosted folder the "app_update" URL serves). Then the offer's "file_name", "file_size" and
// "hash_sha1" come from that file, so what clients check is what they download. "file" itself is
// never sent. False with a reason when the file is missing, not a regular file, or does not match a
// configured "hash_sha1" or "file_size".
bool resolveUpdateOffer(const std::string& folder, nlohmann::json& update, std::string& error);

}  // namespace Service
