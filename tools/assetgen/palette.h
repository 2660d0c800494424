#pragma once

#include <QColor>

// One palette for every picture, so the clock reads as one object.
namespace palette {

inline const QColor paper{0xff, 0xff, 0xff};
inline const QColor ink{0x1d, 0x2b, 0x4f};
inline const QColor inkLight{0x2e, 0x42, 0x72};  // top of ink gradients
inline const QColor inkDeep{0x12, 0x1b, 0x35};   // bottom of ink gradients
inline const QColor gold{0xb8, 0x97, 0x5a};
inline const QColor goldLight{0xe2, 0xcc, 0x98};
inline const QColor goldDeep{0x7e, 0x62, 0x34};
inline const QColor ivory{0xf6, 0xf1, 0xe4};      // lettering on ink
inline const QColor dim{0xc4, 0xc8, 0xd0};
inline const QColor hairline{0xe6, 0xe8, 0xed};   // rules that must stay near-white
inline const QColor featherShade{0xd3, 0xda, 0xe6};
inline const QColor featherLine{0xb3, 0xbd, 0xcf};

}  // namespace palette
