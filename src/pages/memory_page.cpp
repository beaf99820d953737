// The memory page's refresh.
#include "pages/memory_page.h"

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
