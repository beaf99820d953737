// A used share as the disk and memory pages show it: the total, used and free
// figures in yellow, red and lime under their row captions, the share in
// figures coloured by the usage scale, and a red pie on lime.
#pragma once

#include <cstdint>
#include <string>

#include "ui/control.h"
#include "ui/gauge.h"

namespace pages {

struct UsageControls {
    ui::Label& totalCaption;  // texts::kTotalCaption
    ui::Label& usedCaption;   // texts::kUsedCaption
    ui::Label& freeCaption;   // texts::kFreeCaption
    ui::Label& shareCaption;  // texts::kShareCaption
    ui::TextBox& total;
    ui::TextBox& used;
    ui::TextBox& free;
    ui::Label& share;  // 'N %'
    ui::Gauge& pie;
};

// The texts and the share, as the page's masks make them.
struct UsageFigures {
    std::string total;
    std::string used;
    std::string free;
    std::int32_t percent = 0;
};

void showUsage(const UsageControls& controls, const UsageFigures& figures);

}  // namespace pages
