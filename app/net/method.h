#pragma once

#include <QMap>
#include <QPointer>
#include <QString>
#include <QUrl>

#include "net/call.h"
#include "net/callslot.h"
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
// call in flight. A reply is bounded in size and the whole call in time (see
// Net::Call); exec inside a worker's step ends at once when the step is aborted,
// the authorisation a parameter setter makes on the way included.
class Method {
public:
    Method() = default;
    Method(const QUrl& url, Verb verb, const Headers& headers, Ptr<IInConverter> inConverter,
           Ptr<IOutConverter> outConverter, Ptr<IParamsSetter> paramsSetter);

    // Blocks the calling thread until the reply is complete; the manager's thread keeps running.
    Response exec(const WeakPtr<IInData>& inData, const WeakPtr<IOutData>& outData,
                  const Headers& extraHeaders = {}, const QMap<QString, QString>& query = {});
    // Ends the call in flight, if any; its exec returns status 0. An abort while the
    // parameters are being set stops the call before it is sent.
    void abort();

    QUrl url;
    Verb verb = Verb::Get;
    Headers headers;
    Ptr<IInConverter> inConverter;
    Ptr<IOutConverter> outConverter;
    Ptr<IParamsSetter> paramsSetter;
    // Reply bytes accepted, and the whole call's time in ms (0: no deadline).
    qint64 maxReplyBytes = Call::kApiReplyLimit;
    int deadlineMs = Call::kApiDeadlineMs;

private:
    CallSlot m_slot{CallSlot::IdleAbort::Ignored};
};

}  // namespace Net
