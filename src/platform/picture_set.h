#pragma once

#include <QPixmap>
#include <vector>

#include "face/pictures.h"

namespace orvalen {

// Every picture of the catalogue, loaded once and converted for the screen.
class PictureSet final {
public:
    // Loads the set drawn for the screen's density: at a device pixel ratio
    // above 1, the pictures drawn at twice their size. Throws
    // std::runtime_error naming the first picture that is missing or not of
    // its catalogue size.
    explicit PictureSet(qreal devicePixelRatio = 1);

    int density() const { return density_; }

    const QPixmap& operator[](PictureId id) const { return pixmaps_[id]; }

private:
    int density_;
    std::vector<QPixmap> pixmaps_;
};

}  // namespace orvalen
