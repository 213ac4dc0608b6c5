#pragma once

#include <QMap>
#include <QMutex>
#include <QPointer>
#include <QString>
#include <QUrl>

#include "net/headers.h"
#include "net/iinconverter.h"
#include "net/iindata.h"
#include "net/ioutconverter.h"
#include "net/ioutdata.h"
#include "net/iparamssetter.h"
#include "net/ptr.h"
#include "net/request.h"
#include "net/response.h"
#include "net/verb.h"

class QNetworkReply;

namespace Net {

// One service call, ready to be executed any number of times (one at a time).
// Copies share the converters and the parameter setter; each copy has its own
// call in flight.
class Method {
public:
    Method() = default;
    Method(const QUrl& url, Verb verb, const Headers& headers, Ptr<IInConverter> inConverter,
           Ptr<IOutConverter> outConverter, Ptr<IParamsSetter> paramsSetter);
    Method(const Method& other);
    Method& operator=(const Method& other);

    // Blocks the calling thread until the reply is complete; the manager's thread keeps running.
    Response exec(const WeakPtr<IInData>& inData, const WeakPtr<IOutData>& outData,
                  const Headers& extraHeaders = {}, const QMap<QString, QString>& query = {});
    // Ends the call in flight, if any; its exec returns status 0.
    void abort();

    QUrl url;
    Verb verb = Verb::Get;
    Headers headers;
    Ptr<IInConverter> inConverter;
    Ptr<IOutConverter> outConverter;
    Ptr<IParamsSetter> paramsSetter;

private:
    // Aborts on the reply's own thread.
    static void abortReply(const QPointer<QNetworkReply>& reply);

    struct Flight {
        QMutex mutex;
        Request* request = nullptr;
        QPointer<QNetworkReply> reply;
        // Between handing the request over and learning its reply, an abort is kept here.
        bool sending = false;
        bool abortPending = false;
    };

    Ptr<Flight> m_flight = std::make_shared<Flight>();
};

}  // namespace Net
