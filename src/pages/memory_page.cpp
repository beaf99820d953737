// The memory page's refresh.
#include "pages/memory_page.h"

#include "pages/control_ids.h"

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

MemoryControls MemoryControls::bind(ui::Form& form) {
    return {{form.get<ui::Label>(ids::Label5), form.get<ui::Label>(ids::Label6), form.get<ui::Label>(ids::Label7),
             form.get<ui::Label>(ids::Label8), form.get<ui::TextBox>(ids::Memo4), form.get<ui::TextBox>(ids::Memo5),
             form.get<ui::TextBox>(ids::Memo6), form.get<ui::Label>(ids::Label13), form.get<ui::Gauge>(ids::Gauge1)},
            form.get<ui::Button>(ids::Button2)};
}

MemoryPage::MemoryPage(ui::Form& form, platform::Platform& platform, present::Separators separators)
    : c_(MemoryControls::bind(form)), platform_(platform), separators_(separators) {
    c_.refreshButton.onClick = [this] { refresh(); };
}

UsageFigures memoryUsage(const PhysicalMemory& memory, present::Separators separators) {
    auto megabytes = [&](double bytes) {
        return present::formatMask(bytes / kMegabyte, present::Mask::Megabytes, separators);
    };
    double used = memory.total - memory.available;
    return {megabytes(memory.total), megabytes(used), megabytes(memory.available),
            present::percentage(used, memory.total)};
}

void MemoryPage::refresh() {
    reading_ = queryPhysicalMemory(platform_);
    showUsage(c_.usage, memoryUsage(*reading_, separators_));
}

}  // namespace pages
