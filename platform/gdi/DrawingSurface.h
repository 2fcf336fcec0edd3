// The image that device contexts draw on, with the one painter they share: Qt lets only one
// painter at a time paint on an image. The painter starts when the first device context
// joins and ends when the last leaves. Each device context keeps its own state and makes the
// painter its own before it draws (MakeCurrent). A resize asked for while the painter is
// live waits until it ends, so the image never changes under a painter.
#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>

#include <optional>

namespace platform {

class DeviceContext;

class DrawingSurface {
public:
    // A surface with an image of its own, empty until resized.
    DrawingSurface();
    // A surface on an image that its owner keeps alive for as long as the surface lives.
    explicit DrawingSurface(QImage& image);
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;
    ~DrawingSurface();

    QImage& Image() { return *m_image; }
    const QImage& Image() const { return *m_image; }

    // Makes the image `size`, keeping its pixels at the top left and clearing the rest.
    // False when a painter is live: the resize then happens when the last context leaves.
    bool Resize(QSize size);
    // Whether a device context is on the surface.
    bool InUse() const { return m_users > 0; }

    // A device context comes (the first starts the painter) or goes (the last ends it).
    void Join();
    void Leave(const DeviceContext* dc);
    // Records that `dc` draws next; true when the painter holds another context's state (or
    // none), which `dc` must then apply.
    bool MakeCurrent(const DeviceContext* dc);
    // The painter no longer holds `dc`'s state (it changed): the next MakeCurrent says so.
    void Forget(const DeviceContext* dc);
    QPainter& Painter() { return m_painter; }

private:
    void Begin();
    void ResizeNow(QSize size);

    QImage m_own;
    QImage* m_image;
    QPainter m_painter;
    int m_users = 0;
    const DeviceContext* m_current = nullptr;
    std::optional<QSize> m_pendingSize;
};

} // namespace platform
