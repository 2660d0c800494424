#include "layout/display_modes.h"

#include "common/units.h"
#include "layout/placements.h"

namespace orvalen {
namespace {

constexpr double FaceHeight = 5790;
constexpr double FaceWidth = 4250;
constexpr double MiniHeightCut = 4229.684;
constexpr double MiniLift = 4215;
constexpr double EmblemTitleBarLeft = 2496.53;
constexpr double EmblemWindowHeight = 4274.84;
constexpr double EmblemBannerRise = 30;

void Place(Surface& s, Element e, double left, double top) {
    s.SetTop(e, top);
    s.SetLeft(e, left);
}

void Lift(Surface& s, std::uint8_t group) {
    for (const Placement& p : Placements)
        if (p.liftGroup == group) s.SetTop(p.element, s[p.element].top - MiniLift);
}

void PlaceAll(Surface& s, bool mini) {
    for (std::size_t i = 0; i < Placements.size(); ++i) {
        const Placement& p = Placements[i];
        Place(s, p.element, p.left, p.top);
        if (p.element == Element::Banner) s.SetVisible(Element::Banner, false);
        if (!mini) continue;
        if (p.element == Element::Emblem) s.SetLeft(Element::Emblem, ParkedLeft);
        const bool groupEnds = i + 1 == Placements.size() || Placements[i + 1].liftGroup != p.liftGroup;
        if (p.liftGroup != 0 && groupEnds) Lift(s, p.liftGroup);
    }
}

void PlaceEmblemFace(Surface& s) {
    s.SetLeft(Element::TitleBar, EmblemTitleBarLeft);
    Place(s, Element::Emblem, 0, 0);
    s.SetTop(Element::Banner, s.Height(Element::Emblem) - EmblemBannerRise);
    s.SetVisible(Element::Banner, false);
    s.SetTop(Element::RevealStrip, s.Height(Element::Emblem));
}

// The frame every layout shares: nothing shows while the elements move.
template <typename PlaceElements, typename FinalHeight>
void Layout(MainWindow& window, PlaceElements place, FinalHeight finalHeight) {
    window.SetHeight(0);
    window.SetWidth(0);
    place(window.elements);
    window.SetHeight(FaceHeight);
    window.SetWidth(FaceWidth);
    finalHeight(window);
    window.CollapsedHeight = static_cast<std::int16_t>(RoundHalfEven(window.Height()));
}

void KeepHeight(MainWindow&) {}

}  // namespace

void LayoutNormal(MainWindow& window) {
    Layout(window, [](Surface& s) { PlaceAll(s, false); }, KeepHeight);
}

void LayoutMini(MainWindow& window) {
    Layout(window, [](Surface& s) { PlaceAll(s, true); },
           [](MainWindow& w) { w.SetHeight(w.Height() - MiniHeightCut); });
}

void LayoutEmblem(MainWindow& window) {
    Layout(window, PlaceEmblemFace, [](MainWindow& w) { w.SetHeight(EmblemWindowHeight); });
}

void LayoutForMode(MainWindow& window, std::string_view displayMode) {
    if (displayMode == "mini") return LayoutMini(window);
    if (displayMode == "emblem") return LayoutEmblem(window);
    LayoutNormal(window);
}

}  // namespace orvalen
