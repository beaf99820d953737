// Colours as the window framework names them, and the two colour scales.
#pragma once

#include <cstdint>

namespace present {

// A colour in the layout Windows uses (0x00BBGGRR), or a system colour: the top
// bit set and the desktop scheme's colour index in the low byte, resolved only
// when painted so that a changed scheme shows at once.
struct Colour {
    std::uint32_t value = 0;

    constexpr bool isSystem() const { return (value & 0x80000000u) != 0; }
    constexpr int systemIndex() const { return static_cast<int>(value & 0xFFu); }
    constexpr std::uint8_t red() const { return static_cast<std::uint8_t>(value); }
    constexpr std::uint8_t green() const { return static_cast<std::uint8_t>(value >> 8); }
    constexpr std::uint8_t blue() const { return static_cast<std::uint8_t>(value >> 16); }
    friend constexpr bool operator==(Colour a, Colour b) { return a.value == b.value; }
    friend constexpr bool operator!=(Colour a, Colour b) { return a.value != b.value; }
};

constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return Colour{static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
                  (static_cast<std::uint32_t>(b) << 16)};
}

namespace colours {
constexpr Colour black = rgb(0x00, 0x00, 0x00);
constexpr Colour maroon = rgb(0x80, 0x00, 0x00);
constexpr Colour green = rgb(0x00, 0x80, 0x00);
constexpr Colour olive = rgb(0x80, 0x80, 0x00);
constexpr Colour navy = rgb(0x00, 0x00, 0x80);
constexpr Colour teal = rgb(0x00, 0x80, 0x80);
constexpr Colour gray = rgb(0x80, 0x80, 0x80);
constexpr Colour silver = rgb(0xC0, 0xC0, 0xC0);
constexpr Colour red = rgb(0xFF, 0x00, 0x00);
constexpr Colour lime = rgb(0x00, 0xFF, 0x00);
constexpr Colour yellow = rgb(0xFF, 0xFF, 0x00);
constexpr Colour blue = rgb(0x00, 0x00, 0xFF);
constexpr Colour fuchsia = rgb(0xFF, 0x00, 0xFF);
constexpr Colour aqua = rgb(0x00, 0xFF, 0xFF);
constexpr Colour white = rgb(0xFF, 0xFF, 0xFF);

// System colours by their desktop-scheme index (COLOR_WINDOW = 5 and so on).
constexpr Colour window{0x80000005u};
constexpr Colour windowText{0x80000008u};
constexpr Colour buttonFace{0x8000000Fu};
constexpr Colour infoBackground{0x80000018u};
}  // namespace colours

// Font colour of a used-share label: white up to 50 (negative values included),
// aqua from 51 to 80, fuchsia from 81.
Colour usageColour(std::int32_t percent);

// Colour of the processor load in seven bands of 15 points, silver at the
// bottom (0 and below included) and red from 91 (above 100 included).
Colour loadColour(std::int32_t load);

}  // namespace present
