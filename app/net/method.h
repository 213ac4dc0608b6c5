#pragma once

#include <QMap>
#include <QMutex>
#include <QPointer>
#include <QString>
#include <QUrl>

#include "headers.h"
#include "iinconverter.h"
#include "iindata.h"
#include "ioutconverter.h"
#include "ioutdata.h"
#include "iparamssetter.h"
#include "ptr.h"
#include "request.h"
#include "response.h"
#include "verb.h"

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
    struct Flight {
        QMutex mutex;
        Request* request = nullptr;
        QPointer<QNetworkReply> reply;
    };

    Ptr<Flight> m_flight = std::make_shared<Flight>();
};

}  // namespace Net
