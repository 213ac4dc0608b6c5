#pragma once

#include "core/module.h"

namespace Qln {

// Opens the system's own tools; the page holds their list.
class ProgramsModule : public Module {
    Q_OBJECT

public:
    explicit ProgramsModule(QObject* parent = nullptr);

    Q_INVOKABLE void launch(const QString& util, const QString& arg);
};

}  // namespace Qln
