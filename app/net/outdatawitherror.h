#pragma once

#include "ioutdata.h"
#include "outerror.h"

namespace Qln {

// Base of result records: the error object first, then the record's own fields.
class OutDataWithError : public Net::IOutData {
public:
    OutError error;
};

}  // namespace Qln
