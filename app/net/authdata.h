#pragma once

#include <QLocale>
#include <QString>

#include "net/iindata.h"

namespace Qln {

// What the program tells the service about itself when it asks for a token.
class AuthData : public Net::IInData {
public:
    QVariant toVariant() const override;

    QString version;
    QLocale osLocale;
    QLocale locale;
    QString os;
    bool is64 = false;
    QString appid;
    QString hwid;
};

}  // namespace Qln
