// Helpers shared by the service tests: bodies, records and answer checks.
#pragma once

#include <zlib.h>

#include <string>

#include <httplib.h>
#include <nlohmann/json.hpp>

namespace servicetesting {

inline std::string deflateStream(const std::string& data, bool gzip) {
    z_stream stream{};
    deflateInit2(&stream, 6, Z_DEFLATED, gzip ? 15 + 16 : 15, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, data.size()) + 32, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

inline std::string zlibStream(const std::string& data) {
    return deflateStream(data, false);
}
inline std::string gzipStream(const std::string& data) {
    return deflateStream(data, true);
}

inline nlohmann::json authRecord(
    const std::string& appid = "{3f2504e0-4f89-11d3-9a0c-0305e82c3301}") {
    return {{"product", "pro"},     {"version", "1.2.0.2134"},
            {"locale_os", "en_US"}, {"locale", "de_DE"},
            {"os", "10.0"},         {"arch", "x64"},
            {"appid", appid},       {"hwid", "9e107d9d372bb6826bd81d3542a419d6"}};
}

inline nlohmann::json parse(const httplib::Result& result) {
    if (!result) {
        return nlohmann::json();
    }
    return nlohmann::json::parse(result->body, nullptr, false);
}

// True when the answer has the given status and exactly the error object as its body.
inline bool isError(const httplib::Result& result, int status) {
    if (!result || result->status != status) {
        return false;
    }
    const nlohmann::json body = parse(result);
    if (!body.is_object() || body.size() != 1 || !body.contains("error")) {
        return false;
    }
    const nlohmann::json& error = body["error"];
    return error.is_object() && error.contains("code") && error["code"].is_number_integer() &&
           error["code"].get<int>() == status && error.contains("message") &&
           error["message"].is_string() && !error["message"].get<std::string>().empty();
}

inline bool isAnyClientError(const httplib::Result& result) {
    return result && result->status >= 400 && result->status < 500 &&
           isError(result, result->status);
}

inline httplib::Result putAuth(httplib::Client& client, const std::string& body,
                               const std::string& encoding = "gzip") {
    httplib::Headers headers;
    if (!encoding.empty()) {
        headers.emplace("Content-Encoding", encoding);
    }
    return client.Put("/app/auth", headers, body, "application/json");
}

inline std::string authorise(httplib::Client& client, const nlohmann::json& record = authRecord()) {
    const nlohmann::json answer = parse(putAuth(client, zlibStream(record.dump())));
    if (!answer.is_object() || !answer.contains("token") || !answer["token"].is_string()) {
        return {};
    }
    return answer["token"].get<std::string>();
}

inline httplib::Result getSettings(httplib::Client& client, const std::string& token) {
    httplib::Headers headers;
    if (!token.empty()) {
        headers.emplace("Authorization", "Bearer " + token);
    }
    return client.Get("/app/settings?ppg=", headers);
}

inline nlohmann::json counters(httplib::Client& client) {
    return parse(client.Get("/_test/counters"));
}

}  // namespace servicetesting
