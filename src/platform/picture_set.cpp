#include "platform/picture_set.h"

#include <QImageReader>

#include <memory>
#include <stdexcept>
#include <string>

#include "platform/fatal_error.h"

namespace orvalen {
namespace {

std::string SizeText(int width, int height) { return std::to_string(width) + "x" + std::to_string(height); }

// The picture's path under the assets, as messages name it.
std::string Named(int density, PictureId id) { return (density == 2 ? "assets/2x/" : "assets/") + PictureFile(id); }

// Every picture is a PNG: naming the format spares Qt loading each image
// plugin to ask whether it can read the file.
std::unique_ptr<QImageReader> Reader(int density, PictureId id) {
    auto reader = std::make_unique<QImageReader>(QString::fromStdString(":/" + Named(density, id)), "png");
    reader->setAutoDetectImageFormat(false);
    return reader;
}

}  // namespace

PictureSet::PictureSet(qreal devicePixelRatio) : density_(devicePixelRatio > 1 ? 2 : 1), pixmaps_(PictureCount) {
    for (PictureId id = 0; id < PictureCount; ++id) {
        const QSize size = Reader(density_, id)->size();
        const PixelSize logical = PictureSize(id);
        const PixelSize expected{logical.width * density_, logical.height * density_};
        if (!size.isValid()) throw std::runtime_error("The picture " + Named(density_, id) + " is missing.");
        if (size.width() != expected.width || size.height() != expected.height)
            throw std::runtime_error("The picture " + Named(density_, id) + " is " + SizeText(size.width(), size.height()) +
                                     " pixels; it must be " + SizeText(expected.width, expected.height) + ".");
    }
}

QImage PictureSet::Image(PictureId id) const {
    const QImage image = Reader(density_, id)->read();
    // The header was checked at start; only damaged data can fail here.
    if (image.isNull()) ReportFatalError(std::runtime_error("The picture " + Named(density_, id) + " is damaged."));
    return image.convertToFormat(QImage::Format_RGB32);
}

const QPixmap& PictureSet::operator[](PictureId id) const {
    QPixmap& pixmap = pixmaps_[id];
    if (pixmap.isNull()) {
        pixmap = QPixmap::fromImage(Image(id));
        pixmap.setDevicePixelRatio(density_);
    }
    return pixmap;
}

}  // namespace orvalen
