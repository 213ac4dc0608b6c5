#pragma once

#include "base/worker.h"

namespace Qln {

class DriverFilesStore;
struct UploadModel;

// The first upload step: every driver of the scan whose files changed since they were last
// sent, or that the service never took, is hashed and becomes a candidate.
class Preparation : public Flow::Worker {
public:
    Preparation(Flow::Shared<UploadModel> model, Flow::Shared<DriverFilesStore> store);

    bool work(Flow::Shared<QObject>& data) override;

private:
    Flow::Shared<UploadModel> m_model;
    Flow::Shared<DriverFilesStore> m_store;
};

}  // namespace Qln
