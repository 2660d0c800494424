#pragma once

// The live state of the display surface: which picture each element shows,
// where it stands and whether it is visible.

#include <array>

#include "face/elements.h"

namespace orvalen {

struct ElementState {
    PictureId picture;
    float left;  // twips, single precision as the form holds it
    float top;
    bool visible;
    friend constexpr bool operator==(const ElementState&, const ElementState&) = default;
};

class Surface final {
public:
    Surface();

    const ElementState& operator[](Element e) const { return states_[Index(e)]; }

    // The slot takes the picture and with it the picture's size.
    void SetPicture(Element e, PictureId picture) { states_[Index(e)].picture = picture; }
    void SetLeft(Element e, double twips) { states_[Index(e)].left = static_cast<float>(twips); }
    void SetTop(Element e, double twips) { states_[Index(e)].top = static_cast<float>(twips); }
    void SetVisible(Element e, bool visible) { states_[Index(e)].visible = visible; }

    double Width(Element e) const;   // twips
    double Height(Element e) const;  // twips

private:
    std::array<ElementState, ElementCount> states_;
};

}  // namespace orvalen
