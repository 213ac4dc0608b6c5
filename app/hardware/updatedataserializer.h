#pragma once

#include <QList>
#include <QPair>
#include <QVector>

#include "base/shared.h"
#include "hardware/inventory.h"
#include "hardware/updateoffer.h"
#include "net/iindata.h"
#include "net/outdatawitherror.h"

namespace Qln {

// The search request made from one scan, and the reader of its answer.
class UpdateDataSerializer : public Net::IInData, public OutDataWithError {
public:
    using DevicePair = QPair<Hrdw::Device, Flow::Shared<Hrdw::Hardware>>;

    // Longer lists in an answer are cut here; a real answer is far smaller.
    static constexpr int kMaxUpdates = 4096;
    static constexpr int kMaxDriversPerUpdate = 64;

    explicit UpdateDataSerializer(const Hrdw::Inventory& inventory);

    QVariant toVariant() const override;
    void setData(const QVariant& data) override;

    // Every device of every hardware, hardware by hardware: the wire's device index.
    const QVector<DevicePair>& devices() const { return m_devices; }
    qint64 scanId() const { return m_scanId; }
    const QList<UpdateOffer>& updates() const { return m_updates; }

    static bool hasInstalledDriver(const Hrdw::Hardware& hardware);

private:
    QVector<DevicePair> m_devices;
    qint64 m_scanId = 0;
    QList<UpdateOffer> m_updates;
};

}  // namespace Qln
