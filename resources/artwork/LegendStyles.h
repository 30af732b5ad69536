// The lettering of the panel and of the parts that carry their own legend.
#pragma once

#include "resources/artwork/Fonts.h"
#include "resources/artwork/Palette.h"

namespace artwork::legend {

inline constexpr TextStyle kTitle{Weight::Bold, 25.0, palette::kText, 5.0};
inline constexpr TextStyle kTagline{Weight::Bold, 7.0, palette::kLegendDim, 1.6};
inline constexpr TextStyle kHeader{Weight::Bold, 8.0, palette::kText, 1.2};
inline constexpr TextStyle kCaption{Weight::Bold, 7.0, palette::kText, 0.6};
inline constexpr TextStyle kSmallCaption{Weight::Bold, 7.0, palette::kText, 0.2};
inline constexpr TextStyle kNumeral{Weight::Bold, 6.5, palette::kText, 0.0};
inline constexpr TextStyle kKeyLabel{Weight::Bold, 6.5, palette::kText, 0.2};

}  // namespace artwork::legend
