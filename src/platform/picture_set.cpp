#include "platform/picture_set.h"

#include <QImage>
#include <stdexcept>
#include <string>

namespace orvalen {
namespace {

std::string SizeText(int width, int height) { return std::to_string(width) + "x" + std::to_string(height); }

}  // namespace

PictureSet::PictureSet() {
    pixmaps_.reserve(PictureCount);
    for (PictureId id = 0; id < PictureCount; ++id) {
        const std::string file = PictureFile(id);
        const QImage image(QString::fromStdString(":/assets/" + file));
        const PixelSize expected = PictureSize(id);
        if (image.isNull()) throw std::runtime_error("The picture " + file + " is missing.");
        if (image.width() != expected.width || image.height() != expected.height)
            throw std::runtime_error("The picture " + file + " is " + SizeText(image.width(), image.height()) +
                                     " pixels; it must be " + SizeText(expected.width, expected.height) + ".");
        pixmaps_.push_back(QPixmap::fromImage(image));
    }
}

}  // namespace orvalen
