// The display page: every display mode the current display device offers,
// listed once at start-up.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "ui/control.h"
#include "ui/form.h"

namespace pages {

struct DisplayControls {
    ui::TextBox& modesBox;  // the list of modes

    static DisplayControls bind(ui::Form& form);
};

// The most modes the list takes. A real adapter reports each of its
// resolutions at each colour depth and refresh rate: some dozens on Windows
// 9x, hundreds and at most a few thousand on the NT family. A driver that
// never stops answering ends here, with less than 2 MB of text, instead of
// hanging the start-up while the list grows without end.
inline constexpr std::int32_t kMaxDisplayModes = 16384;

// 2 to the power of the colour depth, the depth taken as at least 1 and at most 24.
std::uint32_t colourCount(std::uint32_t bitsPerPixel);

// The seven lines of one mode: an empty line, number, size, colour count and
// depth, and two empty lines.
std::vector<std::string> modeLines(std::int32_t number, const platform::DisplayMode& mode);

class DisplayPage {
public:
    DisplayPage(ui::Form& form, platform::Platform& platform);

    // Appends every mode to Disp1, in the order and with the repetitions the
    // platform reports; the first mode the platform does not know ends the
    // list, and so does the bound above. (ListDisplayModes)
    void listModes();

    // The modes listed, in their order (the box itself takes typing).
    const std::vector<platform::DisplayMode>& modes() const { return modes_; }

private:
    DisplayControls c_;
    platform::Platform& platform_;
    std::vector<platform::DisplayMode> modes_;
};

}  // namespace pages
