#include "initdata.h"

#include "hardware/osinfo.h"
#include "hardware/systeminfo.h"
#include "serviceclient.h"
#include "settingsdata.h"

namespace Qln {

InitData::InitData() = default;

InitData::~InitData() = default;

}  // namespace Qln
