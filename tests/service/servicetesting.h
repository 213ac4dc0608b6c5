// Helpers shared by the service tests: bodies, records and answer checks.
#pragma once

#include <libpq-fe.h>
#include <sqlite3.h>
#include <zlib.h>

#include <string>

#include <httplib.h>
#include <nlohmann/json.hpp>

#include "servicerunner.h"

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

// Runs one query against the service's database: each row on a line, its columns joined by
// "|". Writable where a killed service's journal may have to be rolled back first.
inline std::string query(const std::string& dataDir, const std::string& sql,
                         bool writable = false) {
    std::string rows;
    if (ServiceRunner::postgresql()) {
        PGconn* connection = PQconnectdb(ServiceRunner::storeUrl(dataDir).c_str());
        PGresult* result = PQexec(connection, sql.c_str());
        for (int row = 0; PQresultStatus(result) == PGRES_TUPLES_OK && row < PQntuples(result);
             ++row) {
            for (int column = 0; column < PQnfields(result); ++column) {
                rows += (column ? "|" : "") + std::string(PQgetvalue(result, row, column));
            }
            rows += '\n';
        }
        PQclear(result);
        PQfinish(connection);
        return rows;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2((dataDir + "/service.db").c_str(), &db,
                        writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY,
                        nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr);
        while (statement != nullptr && sqlite3_step(statement) == SQLITE_ROW) {
            for (int column = 0; column < sqlite3_column_count(statement); ++column) {
                const auto* text = sqlite3_column_text(statement, column);
                rows += (column ? "|" : "") +
                        std::string(text ? reinterpret_cast<const char*>(text) : "");
            }
            rows += '\n';
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return rows;
}

// The token secret of the service on dataDir: token.key, or the shared store's key.
inline std::string tokenSecret(const std::string& dataDir) {
    if (!ServiceRunner::postgresql()) {
        return ServiceRunner::readFile(dataDir + "/token.key");
    }
    const std::string hex = query(dataDir, "SELECT secret FROM signing_keys WHERE id = 1");
    std::string secret;
    for (std::size_t i = 0; i + 1 < hex.size() && hex[i] != '\n'; i += 2) {
        secret += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return secret;
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
