#pragma once

#include "cspace/colortables.h"

#include <array>
#include <optional>

namespace pageText {

// The seven colours of a scheme, indexed by cSpace::SchemeElement.
using Scheme = std::array<cSpace::TColor, cSpace::SchemeElementCount>;

// Colours for some of the seven parts: what a text names of a scheme.
using PartColors = std::array<std::optional<cSpace::TColor>, cSpace::SchemeElementCount>;

} // namespace pageText
