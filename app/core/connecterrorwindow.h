#pragma once

#include "core/window.h"

namespace Qln {

// Tells that the service could not be reached or refused, and offers a retry.
class ConnectErrorWindow : public Window {
    Q_OBJECT
    Q_PROPERTY(bool isServerError READ isServerError CONSTANT)

public:
    explicit ConnectErrorWindow(QWindow* parent = nullptr);

    // The view reads it once per show, which rebuilds the view.
    bool isServerError() const { return m_serverError; }
    void setServerError(bool serverError) { m_serverError = serverError; }

signals:
    void retry();

private:
    bool m_serverError = false;
};

}  // namespace Qln
