// The window's layout: the frame and one table per page, in tab order.
#pragma once

#include <span>

#include "ui/form.h"
#include "ui/layout.h"

namespace layout {

ui::FormSpec mainWindow();
std::span<const ui::ControlSpec> frame();
std::span<const ui::ControlSpec> diskTab();
std::span<const ui::ControlSpec> memTab();
std::span<const ui::ControlSpec> cpuTab();
std::span<const ui::ControlSpec> resTab();
std::span<const ui::ControlSpec> biosTab();
std::span<const ui::ControlSpec> displayTab();
std::span<const ui::ControlSpec> userTab();

// Every table above, in the order the window builds them.
std::span<const std::span<const ui::ControlSpec>> allTables();

}  // namespace layout
