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

    bool setParams(Headers& headers) override;
    Response authorize();

    Ptr<IDataForParams> outData() const { return m_outData; }

private:
    Method m_method;
    Ptr<IInData> m_inData;
    Ptr<IDataForParams> m_outData;
    QMutex m_mutex;
};

}  // namespace Net
