#include "net/serviceclient.h"

namespace Qln {

namespace {

const char kApplicationName[] = "QuillonPro";
const char kApplicationVersion[] = "1.2.0.2134";

}  // namespace

ServiceClient::ServiceClient(const QString& baseUrl, Net::Ptr<AuthData> authData)
    : m_baseUrl(baseUrl),
      m_inConverter(std::make_shared<InJsonDeflateConvert>()),
      m_outConverter(std::make_shared<OutJsonConvert>()),
      m_token(std::make_shared<JWTToken>()) {
    m_plain.set(Net::KnownHeader::UserAgent,
                QStringLiteral("%1/%2").arg(QLatin1String(kApplicationName),
                                            QLatin1String(kApplicationVersion)));
    m_jsonRead = m_plain;
    m_jsonRead.setRaw(
        QStringLiteral("Accept"),
        QStringLiteral("%1, %2").arg(QStringLiteral("application/json"), QStringLiteral("*/*")));
    m_jsonRead.setRaw(
        QStringLiteral("Accept-Encoding"),
        QStringLiteral("%1, %2").arg(QStringLiteral("gzip"), QStringLiteral("deflate")));
    m_jsonWrite = m_jsonRead;
    m_jsonWrite.set(Net::KnownHeader::ContentType, QStringLiteral("application/json"));
    m_jsonWrite.setRaw(QStringLiteral("Content-Encoding"), QStringLiteral("gzip"));

    // The authorisation call itself carries no token.
    const Net::Method authMethod =
        makeMethod(m_baseUrl + QStringLiteral("/app/auth"), Net::Verb::Put, m_jsonWrite, nullptr);
    m_authSetter = std::make_shared<Net::ParamsMethod>(authMethod, std::move(authData), m_token);
}

Net::Method ServiceClient::makeMethod(const QString& url, Net::Verb verb,
                                      const Net::Headers& headers,
                                      Net::Ptr<Net::IParamsSetter> setter) const {
    return Net::Method(QUrl(url, QUrl::TolerantMode), verb, headers, m_inConverter, m_outConverter,
                       std::move(setter));
}

Net::Response ServiceClient::authorize() {
    return m_authSetter->authorize();
}

Net::Method ServiceClient::settingsMethod() const {
    return makeMethod(m_baseUrl + QStringLiteral("/app/settings"), Net::Verb::Get, m_jsonWrite,
                      m_authSetter);
}

Net::Method ServiceClient::findUpdatesMethod() const {
    return makeMethod(m_endpoints.updatesFind, Net::Verb::Put, m_jsonWrite, m_authSetter);
}

Net::Method ServiceClient::uploadCheckMethod() const {
    return makeMethod(m_endpoints.uploadCheck, Net::Verb::Put, m_jsonWrite, m_authSetter);
}

Net::UploadMethod ServiceClient::uploadMethod() const {
    return Net::UploadMethod(QUrl(m_endpoints.uploadUpload, QUrl::TolerantMode), m_jsonRead,
                             m_outConverter, m_authSetter);
}

Net::MultiDownloader* ServiceClient::createDownloader() const {
    return new Net::MultiDownloader(m_authSetter);
}

Net::Method ServiceClient::reportMethod() const {
    return makeMethod(QString(), Net::Verb::Put, m_jsonWrite, m_authSetter);
}

void ServiceClient::setEndpoints(const EndpointTable& table) {
    m_endpoints = table;
}

}  // namespace Qln
