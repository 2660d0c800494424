#include "face/surface.h"

#include "common/units.h"

namespace orvalen {

Surface::Surface() {
    for (int i = 0; i < ElementCount; ++i) {
        const ElementDefinition& d = Elements[i];
        states_[i] = {d.initialPicture, d.left, d.top, true};
    }
}

double Surface::Width(Element e) const { return PixelsToTwips(PictureSize((*this)[e].picture).width); }

double Surface::Height(Element e) const { return PixelsToTwips(PictureSize((*this)[e].picture).height); }

}  // namespace orvalen
