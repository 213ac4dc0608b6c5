#pragma once

#include <QList>
#include <QObject>

#include "base/shared.h"
#include "hardware/installupdate.h"

namespace Qln {

// The chosen updates, handed to the pipeline's worker as its input.
class UpdatesWrapper : public QObject {
    Q_OBJECT

public:
    explicit UpdatesWrapper(QList<Flow::Shared<InstallUpdate>> updates, QObject* parent = nullptr);

    const QList<Flow::Shared<InstallUpdate>>& updates() const { return m_updates; }

private:
    QList<Flow::Shared<InstallUpdate>> m_updates;
};

}  // namespace Qln
