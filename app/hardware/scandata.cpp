#include "hardware/scandata.h"

namespace Qln {

ScanData::ScanData(QObject* parent) : QObject(parent) {}

}  // namespace Qln
