// The display page's list of modes.
#include "pages/display_page.h"

#include <algorithm>

#include "pages/control_ids.h"
#include "present/texts.h"

namespace pages {

std::uint32_t colourCount(std::uint32_t bitsPerPixel) {
    std::uint32_t depth = std::clamp<std::uint32_t>(bitsPerPixel, 1, 24);
    return std::uint32_t{1} << depth;
}

std::vector<std::string> modeLines(std::int32_t number, const platform::DisplayMode& mode) {
    return {
        "",
        texts::kModeNumberLabel + std::to_string(number),
        texts::kScreenSizeLabel + std::to_string(mode.width) + texts::kSizeSeparator + std::to_string(mode.height),
        texts::kColourCountLabel + std::to_string(colourCount(mode.bitsPerPixel)) + texts::kColourCountUnit,
        texts::kColourDepthLabel + std::to_string(mode.bitsPerPixel) + texts::kColourDepthUnit,
        "",
        "",
    };
}

DisplayControls DisplayControls::bind(ui::Form& form) {
    return {form.get<ui::TextBox>(ids::Disp1)};
}

DisplayPage::DisplayPage(ui::Form& form, platform::Platform& platform)
    : c_(DisplayControls::bind(form)), platform_(platform) {}

void DisplayPage::listModes() {
    // The lines go into the box in one addition, which leaves the same lines
    // as adding each on its own without rewriting a growing text at every line.
    std::vector<std::string> lines;
    platform::DisplayMode mode;
    for (std::int32_t number = 0; number < kMaxDisplayModes; ++number) {
        if (!platform_.enumDisplaySettings(static_cast<std::uint32_t>(number), mode)) break;
        modes_.push_back(mode);
        for (std::string& line : modeLines(number, mode)) lines.push_back(std::move(line));
    }
    if (lines.empty()) return;
    std::string text = lines.front();
    for (std::size_t i = 1; i < lines.size(); ++i) text += "\r\n" + lines[i];
    c_.modesBox.addLine(text);
}

}  // namespace pages
