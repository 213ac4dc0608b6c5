#pragma once

#include <QRect>
#include <QVariantMap>

#include "core/window.h"

namespace Qln {

class ModuleList;

// The main window: the module list and pages, edge resizing of the frameless
// frame, and the offer to restart the computer after an installation.
class MainWindow : public Window {
    Q_OBJECT

public:
    static constexpr int kMinimumWidth = 932;
    static constexpr int kMinimumHeight = 640;

    explicit MainWindow(QWindow* parent = nullptr);

    // Publishes the modules and the tracker to the view.
    void setModules(const ModuleList& modules);
    // What the service told at start-up: whether it answered, the date of its
    // driver database and its public links.
    void setServiceFacts(bool available, const QString& dbUpdatedAt, const QVariantMap& publicUrls);

    // Opens the reboot dialog, as an installation that asks for a reboot does.
    void offerReboot();

    Q_INVOKABLE void exit();
    Q_INVOKABLE void reboot();
    Q_INVOKABLE void resizeWindow(bool left, bool top, bool right, bool bottom);

    // The geometry a drag of the given edges from `anchor` to `cursor` gives; the
    // anchor follows the dragged edges so that a drag back from beyond the minimum
    // size starts where the edge stopped.
    static QRect resizedGeometry(const QRect& geometry, QPoint& anchor, const QPoint& cursor,
                                 bool left, bool top, bool right, bool bottom);

signals:
    void showNeedRebootDialog();
};

}  // namespace Qln
