#include "net/paramsmethod.h"

namespace Net {

ParamsMethod::ParamsMethod(const Method& method, Ptr<IInData> inData, Ptr<IDataForParams> outData)
    : m_method(method), m_inData(std::move(inData)), m_outData(std::move(outData)) {}

bool ParamsMethod::setParams(Headers& headers) {
    QMutexLocker lock(&m_mutex);
    if (m_outData->setParams(headers)) {
        return true;
    }
    if (!m_method.exec(m_inData, m_outData).isSuccess()) {
        return false;
    }
    return m_outData->setParams(headers);
}

Response ParamsMethod::authorize() {
    // Held here too, so a renewal running elsewhere never writes the token at the same time.
    QMutexLocker lock(&m_mutex);
    return m_method.exec(m_inData, m_outData);
}

}  // namespace Net
