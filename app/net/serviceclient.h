#pragma once

#include <QString>

#include "net/authdata.h"
#include "net/endpointtable.h"
#include "net/headers.h"
#include "net/injsondeflateconvert.h"
#include "net/jwttoken.h"
#include "net/method.h"
#include "net/multidownloader.h"
#include "net/outjsonconvert.h"
#include "net/paramsmethod.h"
#include "net/ptr.h"
#include "net/uploadmethod.h"

namespace Qln {

// Hands out ready methods for the service's calls, all sharing one token.
class ServiceClient {
public:
    ServiceClient(const QString& baseUrl, Net::Ptr<AuthData> authData);

    Net::Response authorize();
    Net::Method settingsMethod() const;
    Net::Method findUpdatesMethod() const;
    Net::Method uploadCheckMethod() const;
    // A multipart upload of archive files to "upload_upload"; its JSON reply names the
    // hashes the service accepted.
    Net::UploadMethod uploadMethod() const;
    // A downloader whose requests carry the service token; the caller owns it.
    Net::MultiDownloader* createDownloader() const;
    // The install reporter sets each report's own URL before sending.
    Net::Method reportMethod() const;

    void setEndpoints(const EndpointTable& table);
    bool hasEndpoints() const { return !m_endpoints.updatesFind.isEmpty(); }

    QString baseUrl() const { return m_baseUrl; }
    EndpointTable endpoints() const { return m_endpoints; }
    Net::Ptr<Net::ParamsMethod> authSetter() const { return m_authSetter; }
    Net::Ptr<JWTToken> token() const { return m_token; }

    const Net::Headers& plainHeaders() const { return m_plain; }
    const Net::Headers& jsonReadHeaders() const { return m_jsonRead; }
    const Net::Headers& jsonWriteHeaders() const { return m_jsonWrite; }

private:
    Net::Method makeMethod(const QString& url, Net::Verb verb, const Net::Headers& headers,
                           Net::Ptr<Net::IParamsSetter> setter) const;

    QString m_baseUrl;
    Net::Ptr<InJsonDeflateConvert> m_inConverter;
    Net::Ptr<OutJsonConvert> m_outConverter;
    Net::Ptr<JWTToken> m_token;
    Net::Ptr<Net::ParamsMethod> m_authSetter;
    Net::Headers m_plain;
    Net::Headers m_jsonRead;
    Net::Headers m_jsonWrite;
    EndpointTable m_endpoints;
};

}  // namespace Qln
