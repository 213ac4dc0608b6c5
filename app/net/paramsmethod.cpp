#include "net/paramsmethod.h"

#include "base/worker.h"

namespace Net {

namespace {

struct Unlocker {
    QMutex& mutex;
    ~Unlocker() { mutex.unlock(); }
};

}  // namespace

ParamsMethod::ParamsMethod(const Method& method, Ptr<IInData> inData, Ptr<IDataForParams> outData)
    : m_method(method), m_inData(std::move(inData)), m_outData(std::move(outData)) {}

bool ParamsMethod::lockToken() {
    const Flow::Worker* step = Flow::Worker::current();
    while (!m_mutex.tryLock(step != nullptr ? 20 : -1)) {
        if (step->isAborted()) {
            return false;
        }
    }
    return true;
}

bool ParamsMethod::setParams(Headers& headers) {
    if (!lockToken()) {
        return false;
    }
    const Unlocker unlock{m_mutex};
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
    if (!lockToken()) {
        Response aborted;
        aborted.failure = Response::Failure::Aborted;
        return aborted;
    }
    const Unlocker unlock{m_mutex};
    return m_method.exec(m_inData, m_outData);
}

void ParamsMethod::abort() {
    m_method.abort();
}

}  // namespace Net
