#pragma once

#include "net/ioutdata.h"
#include "net/outerror.h"

namespace Qln {

// Base of result records: the error object first, then the record's own fields.
class OutDataWithError : public Net::IOutData {
public:
    OutError error;
};

}  // namespace Qln
