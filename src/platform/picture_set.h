#pragma once

#include <QPixmap>
#include <vector>

#include "face/pictures.h"

namespace orvalen {

// Every picture of the catalogue, loaded once and converted for the screen.
class PictureSet final {
public:
    // Throws std::runtime_error naming the first picture that is missing or
    // not of its catalogue size.
    PictureSet();

    const QPixmap& operator[](PictureId id) const { return pixmaps_[id]; }

private:
    std::vector<QPixmap> pixmaps_;
};

}  // namespace orvalen
