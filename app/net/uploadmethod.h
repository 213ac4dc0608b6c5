#pragma once

#include <QMutex>
#include <QPointer>
#include <QStringList>
#include <QUrl>

#include "net/headers.h"
#include "net/ioutconverter.h"
#include "net/ioutdata.h"
#include "net/iparamssetter.h"
#include "net/ptr.h"
#include "net/response.h"

class QNetworkReply;

namespace Net {

// Uploads local files as one form-data body, parts "files[0]", "files[1]", ... with their
// bare file names. Blocks like Method::exec; a 2xx or 4xx JSON reply fills `outData`.
class UploadMethod {
public:
    UploadMethod() = default;
    UploadMethod(const QUrl& url, const Headers& headers, Ptr<IOutConverter> outConverter,
                 Ptr<IParamsSetter> paramsSetter);

    // True on a 2xx reply.
    bool operator()(const QStringList& files, const WeakPtr<IOutData>& outData = {});
    Response lastResponse() const { return m_flight->response; }
    void abort();

    QUrl url;
    Headers headers;
    Ptr<IOutConverter> outConverter;
    Ptr<IParamsSetter> paramsSetter;

private:
    struct Flight {
        QMutex mutex;
        QPointer<QNetworkReply> reply;
        bool aborted = false;
        Response response;
    };
    Ptr<Flight> m_flight = std::make_shared<Flight>();
};

}  // namespace Net
