// The usage and load colour scales.
#include "present/colours.h"

namespace present {

Colour usageColour(std::int32_t percent) {
    if (percent <= 50) return colours::white;
    if (percent <= 80) return colours::aqua;
    return colours::fuchsia;
}

Colour loadColour(std::int32_t load) {
    struct Band {
        std::int32_t upTo;
        Colour colour;
    };
    static constexpr Band bands[] = {
        {15, colours::silver}, {30, colours::white},   {45, colours::aqua},
        {60, colours::lime},   {75, colours::yellow},  {90, colours::fuchsia},
    };
    for (const Band& band : bands) {
        if (load <= band.upTo) return band.colour;
    }
    return colours::red;
}

}  // namespace present
