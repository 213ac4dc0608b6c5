#pragma once

#include <QString>

#include "net/ioutdata.h"

namespace Qln {

// The service's error object {"error": {"code": N, "message": "..."}}; code 0 is no error.
class OutError : public Net::IOutData {
public:
    void setData(const QVariant& data) override;
    bool isOk() const { return code == 0; }

    qint32 code = 0;
    QString message;
};

}  // namespace Qln
