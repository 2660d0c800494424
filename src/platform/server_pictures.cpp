#include "platform/server_pictures.h"

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

#include <algorithm>
#include <bit>
#include <cstdlib>

#include "platform/picture_set.h"

namespace orvalen {
namespace {

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
Owned<Reply> Own(Reply* reply) {
    return {reply, &std::free};
}

const xcb_visualtype_t* FindVisual(const xcb_setup_t* setup, xcb_visualid_t id) {
    for (auto screen = xcb_setup_roots_iterator(setup); screen.rem; xcb_screen_next(&screen))
        for (auto depth = xcb_screen_allowed_depths_iterator(screen.data); depth.rem; xcb_depth_next(&depth))
            for (auto visual = xcb_depth_visuals_iterator(depth.data); visual.rem; xcb_visualtype_next(&visual))
                if (visual.data->visual_id == id) return visual.data;
    return nullptr;
}

const xcb_format_t* FindFormat(const xcb_setup_t* setup, std::uint8_t depth) {
    const xcb_format_t* formats = xcb_setup_pixmap_formats(setup);
    const xcb_format_t* end = formats + xcb_setup_pixmap_formats_length(setup);
    const xcb_format_t* format = std::find_if(formats, end, [&](const xcb_format_t& f) { return f.depth == depth; });
    return format == end ? nullptr : format;
}

std::int16_t Coordinate(int value) { return static_cast<std::int16_t>(value); }
std::uint16_t Extent(int value) { return static_cast<std::uint16_t>(value); }

// Whether the server keeps pixels of this depth and visual exactly as an
// opaque 32-bit QImage holds them in memory.
bool SameLayoutAsImages(const xcb_setup_t* setup, std::uint8_t depth, xcb_visualid_t visualId) {
    const auto hostOrder = std::endian::native == std::endian::little ? XCB_IMAGE_ORDER_LSB_FIRST : XCB_IMAGE_ORDER_MSB_FIRST;
    const xcb_format_t* format = FindFormat(setup, depth);
    const xcb_visualtype_t* visual = FindVisual(setup, visualId);
    return setup->image_byte_order == hostOrder && format && format->bits_per_pixel == 32 &&
           format->scanline_pad == 32 && visual && visual->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
           visual->red_mask == 0xff0000 && visual->green_mask == 0xff00 && visual->blue_mask == 0xff;
}

}  // namespace

std::unique_ptr<ServerPictures> ServerPictures::ForWindow(const PictureSet& pictures, QWidget& window) {
    // The offscreen platform offers the X11 interface too, without a server.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !x11 ||
        qEnvironmentVariableIsSet("ORVALEN_CLIENT_PAINTING") || window.devicePixelRatio() != pictures.density())
        return nullptr;
    xcb_connection_t* connection = x11->connection();
    // Creates the native window now, to learn its depth and visual.
    const auto id = static_cast<xcb_window_t>(window.winId());
    const auto geometry = Own(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr));
    const auto attributes =
        Own(xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id), nullptr));
    if (!geometry || !attributes || !SameLayoutAsImages(xcb_get_setup(connection), geometry->depth, attributes->visual))
        return nullptr;
    return std::unique_ptr<ServerPictures>(new ServerPictures(pictures, connection, id, geometry->depth));
}

ServerPictures::ServerPictures(const PictureSet& pictures, xcb_connection_t* connection, std::uint32_t window,
                               std::uint8_t depth)
    : pictures_(pictures), connection_(connection), window_(window), depth_(depth), gc_(xcb_generate_id(connection)),
      pixmaps_(PictureCount) {
    // White for the ground; no exposure events, since copies come from
    // pixmaps that are always whole.
    const std::uint32_t values[] = {0xffffff, 0};
    xcb_create_gc(connection_, gc_, window_, XCB_GC_FOREGROUND | XCB_GC_GRAPHICS_EXPOSURES, values);
}

ServerPictures::~ServerPictures() {
    for (std::uint32_t pixmap : pixmaps_)
        if (pixmap) xcb_free_pixmap(connection_, pixmap);
    xcb_free_gc(connection_, gc_);
    xcb_flush(connection_);
}

QRect ServerPictures::Device(QRect rect) const {
    const int d = pictures_.density();
    return {rect.x() * d, rect.y() * d, rect.width() * d, rect.height() * d};
}

void ServerPictures::Fill(QRect rect) {
    const QRect r = Device(rect);
    const xcb_rectangle_t area{Coordinate(r.x()), Coordinate(r.y()), Extent(r.width()), Extent(r.height())};
    xcb_poly_fill_rectangle(connection_, window_, gc_, 1, &area);
}

void ServerPictures::Draw(PictureId id, QPoint at, QRect clip) {
    const QRect picture = Device(QRect(at, QSize(PictureSize(id).width, PictureSize(id).height)));
    const QRect part = picture & Device(clip);
    if (part.isEmpty()) return;
    xcb_copy_area(connection_, Pixmap(id), window_, gc_, Coordinate(part.x() - picture.x()),
                  Coordinate(part.y() - picture.y()), Coordinate(part.x()), Coordinate(part.y()), Extent(part.width()),
                  Extent(part.height()));
}

void ServerPictures::Flush() { xcb_flush(connection_); }

std::uint32_t ServerPictures::Pixmap(PictureId id) {
    std::uint32_t& pixmap = pixmaps_[id];
    if (!pixmap) pixmap = Send(pictures_.Image(id));
    return pixmap;
}

// In bands of rows that each fit in one request.
std::uint32_t ServerPictures::Send(const QImage& image) {
    const std::uint32_t pixmap = xcb_generate_id(connection_);
    xcb_create_pixmap(connection_, depth_, pixmap, window_, Extent(image.width()), Extent(image.height()));
    constexpr std::size_t RequestHeader = 24;
    const std::size_t room = std::size_t{xcb_get_maximum_request_length(connection_)} * 4 - RequestHeader;
    const int band = std::max(1, static_cast<int>(room / image.bytesPerLine()));
    for (int top = 0; top < image.height(); top += band) {
        const int rows = std::min(band, image.height() - top);
        xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc_, Extent(image.width()), Extent(rows), 0,
                      Coordinate(top), 0, depth_, static_cast<std::uint32_t>(rows * image.bytesPerLine()),
                      image.constScanLine(top));
    }
    return pixmap;
}

}  // namespace orvalen
