#include "core/initdata.h"

#include "hardware/osinfo.h"
#include "hardware/systeminfo.h"
#include "net/serviceclient.h"
#include "net/settingsdata.h"

namespace Qln {

InitData::InitData() = default;

InitData::~InitData() = default;

}  // namespace Qln
