#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>
#include <memory>
#include <vector>

#include "face/pictures.h"

class QWidget;
struct xcb_connection_t;

namespace orvalen {

class PictureSet;

// The pictures as pixmaps inside the X server, each sent once on first use,
// and a window drawn from them by copies inside the server: no painting in
// the program, no image sent per frame, and no completion event that would
// wake the program again after every frame.
class ServerPictures final {
public:
    // Null when the window does not show on X11 at the pictures' density in
    // the 32-bit true-colour layout of their images, and when
    // ORVALEN_CLIENT_PAINTING is set (to compare the two ways).
    static std::unique_ptr<ServerPictures> ForWindow(const PictureSet& pictures, QWidget& window);
    ~ServerPictures();
    ServerPictures(const ServerPictures&) = delete;
    ServerPictures& operator=(const ServerPictures&) = delete;

    // White ground, and the part of a picture standing at `at` that lies in
    // clip; both in logical pixels of the window.
    void Fill(QRect rect);
    void Draw(PictureId id, QPoint at, QRect clip);
    void Flush();

    // The picture's pixmap in the server, sent on first use.
    std::uint32_t Pixmap(PictureId id);

private:
    ServerPictures(const PictureSet& pictures, xcb_connection_t* connection, std::uint32_t window, std::uint8_t depth);
    std::uint32_t Send(const QImage& image);
    QRect Device(QRect rect) const;

    const PictureSet& pictures_;
    xcb_connection_t* connection_;
    std::uint32_t window_;
    std::uint8_t depth_;
    std::uint32_t gc_;
    std::vector<std::uint32_t> pixmaps_;  // 0 until sent
};

}  // namespace orvalen
