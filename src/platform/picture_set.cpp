#include "platform/picture_set.h"

#include <QImage>
#include <stdexcept>
#include <string>

namespace orvalen {
namespace {

std::string SizeText(int width, int height) { return std::to_string(width) + "x" + std::to_string(height); }

}  // namespace

PictureSet::PictureSet(qreal devicePixelRatio) : density_(devicePixelRatio > 1 ? 2 : 1) {
    const std::string folder = density_ == 2 ? ":/assets/2x/" : ":/assets/";
    pixmaps_.reserve(PictureCount);
    for (PictureId id = 0; id < PictureCount; ++id) {
        const std::string file = PictureFile(id);
        const QImage image(QString::fromStdString(folder + file));
        const PixelSize logical = PictureSize(id);
        const PixelSize expected{logical.width * density_, logical.height * density_};
        if (image.isNull()) throw std::runtime_error("The picture " + folder.substr(2) + file + " is missing.");
        if (image.width() != expected.width || image.height() != expected.height)
            throw std::runtime_error("The picture " + folder.substr(2) + file + " is " + SizeText(image.width(), image.height()) +
                                     " pixels; it must be " + SizeText(expected.width, expected.height) + ".");
        QPixmap pixmap = QPixmap::fromImage(image);
        pixmap.setDevicePixelRatio(density_);
        pixmaps_.push_back(std::move(pixmap));
    }
}

}  // namespace orvalen
