#pragma once

#include "base/worker.h"
#include "net/method.h"

namespace Qln {

struct UploadModel;

// The second upload step: asks the service which of the prepared drivers it wants.
class Checker : public Flow::Worker {
public:
    Checker(Flow::Shared<UploadModel> model, const Net::Method& check);

    bool work(Flow::Shared<QObject>& data) override;
    void abort() override;

private:
    Flow::Shared<UploadModel> m_model;
    Net::Method m_check;
};

}  // namespace Qln
