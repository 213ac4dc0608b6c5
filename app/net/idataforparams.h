#pragma once

#include "net/ioutdata.h"
#include "net/iparamssetter.h"

namespace Net {

// A result that, once filled, sets parameters of later requests itself.
class IDataForParams : public IOutData, public IParamsSetter {};

}  // namespace Net
