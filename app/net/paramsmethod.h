#pragma once

#include <QMutex>

#include "net/idataforparams.h"
#include "net/iindata.h"
#include "net/iparamssetter.h"
#include "net/method.h"
#include "net/ptr.h"

namespace Net {

// Attaches the access token, authorising first when there is none or it has
// expired. Shared by every method of a client, so one renewal serves them all.
class ParamsMethod : public IParamsSetter {
public:
    ParamsMethod(const Method& method, Ptr<IInData> inData, Ptr<IDataForParams> outData);

    // Inside a worker's step, gives up at once when the step is aborted, also while
    // another thread's renewal holds the token.
    bool setParams(Headers& headers) override;
    Response authorize();
    // Ends the authorisation call in flight, whoever made it.
    void abort();

    Ptr<IDataForParams> outData() const { return m_outData; }

private:
    // Waits for the token's lock; false when the current step was aborted meanwhile.
    bool lockToken();

    Method m_method;
    Ptr<IInData> m_inData;
    Ptr<IDataForParams> m_outData;
    QMutex m_mutex;
};

}  // namespace Net
