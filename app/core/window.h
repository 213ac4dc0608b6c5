#pragma once

#include <QPoint>
#include <QQuickView>
#include <QString>

namespace Qln {

// A frameless top-level view of one QML root view, rebuilt from scratch each
// time it is shown.
class Window : public QQuickView {
    Q_OBJECT

public:
    explicit Window(const QString& sourceUrl, QWindow* parent = nullptr);
    ~Window() override;

    void show();
    Q_INVOKABLE bool close();

    Q_INVOKABLE void startMove();
    Q_INVOKABLE void moveWindow();

    bool isLoaded() const { return m_loaded; }
    QString sourceUrl() const { return m_sourceUrl; }
    quint32 nativeHandle() const;
    // What a second copy's activation asks for: the window on top and focused.
    void bringToFront();

protected:
    virtual void onBeforeShow();
    virtual void onAfterShow();
    bool nativeEvent(const QByteArray& eventType, void* message, long* result) override;

    QPoint m_dragAnchor;

private:
    bool m_loaded = false;
    QString m_sourceUrl;
};

}  // namespace Qln
