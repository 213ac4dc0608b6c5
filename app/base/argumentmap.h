#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace Qln {

// The parsed command line: option name → value, and plain elements under their index.
using ArgumentMap = QMap<QString, QString>;

// "-key value", "-key=value", "--key=value" and "/key value" all give key → value;
// an option without a value gives key → "".
ArgumentMap parseArguments(const QStringList& arguments);

}  // namespace Qln
