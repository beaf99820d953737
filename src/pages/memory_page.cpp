// The memory page's refresh.
#include "pages/memory_page.h"

#include "present/colours.h"
#include "present/percent.h"

namespace pages {
namespace {

constexpr double kMegabyte = 1048576.0;

}  // namespace

PhysicalMemory queryPhysicalMemory(platform::Platform& platform) {
    platform::MemoryStatusEx wide;
    if (platform.globalMemoryStatusEx(wide))
        return {static_cast<double>(wide.totalPhys), static_cast<double>(wide.availPhys)};
    platform::MemoryStatus status;
    status.length = 32;
    platform.globalMemoryStatus(status);
    return {static_cast<double>(status.totalPhys), static_cast<double>(status.availPhys)};
}

MemoryPage::MemoryPage(const MemoryControls& controls, platform::Platform& platform, present::Separators separators)
    : c_(controls), platform_(platform), separators_(separators) {}

void MemoryPage::Button2Click() {
    namespace colours = present::colours;
    c_.Label5.show();
    c_.Label6.show();
    c_.Label7.show();
    c_.Label8.show();
    c_.Label13.show();

    c_.Memo4.setFontColour(colours::yellow);
    c_.Memo5.setFontColour(colours::red);
    c_.Memo6.setFontColour(colours::lime);

    PhysicalMemory memory = queryPhysicalMemory(platform_);
    double used = memory.total - memory.available;
    std::int32_t percent = present::percentage(used, memory.total);

    c_.Memo4.setText(present::formatMask(memory.total / kMegabyte, present::Mask::Megabytes, separators_));
    c_.Memo5.setText(present::formatMask(used / kMegabyte, present::Mask::Megabytes, separators_));
    c_.Memo6.setText(present::formatMask(memory.available / kMegabyte, present::Mask::Megabytes, separators_));

    c_.Label13.setFontColour(present::usageColour(percent));
    c_.Gauge1.setForeColour(colours::red);
    c_.Gauge1.setBackColour(colours::lime);
    c_.Gauge1.setProgress(percent);
    c_.Label13.setText(present::percentText(percent));
}

}  // namespace pages
