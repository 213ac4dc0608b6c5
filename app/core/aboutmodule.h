#pragma once

#include "core/module.h"

namespace Qln {

class AboutModule : public Module {
    Q_OBJECT
    Q_PROPERTY(QString version READ version CONSTANT)

public:
    explicit AboutModule(QObject* parent = nullptr);

    QString version() const;
};

}  // namespace Qln
