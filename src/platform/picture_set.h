#pragma once

#include <QImage>
#include <QPixmap>
#include <vector>

#include "face/pictures.h"

namespace orvalen {

// Every picture of the catalogue, checked at start and decoded on first use:
// the first frame needs only the few pictures it shows.
class PictureSet final {
public:
    // Checks the set drawn for the screen's density: at a device pixel ratio
    // above 1, the pictures drawn at twice their size. Throws
    // std::runtime_error naming the first picture that is missing or not of
    // its catalogue size.
    explicit PictureSet(qreal devicePixelRatio = 1);

    int density() const { return density_; }

    // Decoded on first use and kept in the screen's format.
    const QPixmap& operator[](PictureId id) const;

    // A fresh decoding of the picture, opaque 32-bit.
    QImage Image(PictureId id) const;

private:
    int density_;
    mutable std::vector<QPixmap> pixmaps_;
};

}  // namespace orvalen
