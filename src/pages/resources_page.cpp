// The system resources page's refresh and its 16-bit query.
#include "pages/resources_page.h"

#include "platform/library16.h"

namespace pages {
namespace {

// The argument of GetFreeSystemResources for each heap.
enum : std::uint16_t {
    GFSR_SYSTEMRESOURCES = 0,
    GFSR_GDIRESOURCES = 1,
    GFSR_USERRESOURCES = 2,
};

}  // namespace

ResourcesPage::ResourcesPage(const ResourcesControls& controls, platform::Platform& platform)
    : c_(controls), platform_(platform) {}

void ResourcesPage::refresh() {
    c_.Gauge2.setShowText(true);
    c_.Gauge3.setShowText(true);
    c_.Gauge4.setShowText(true);
    std::uint16_t system = 0, gdi = 0, user = 0;
    if (!readFreeResources(system, gdi, user)) return;
    c_.Gauge2.setProgress(system);
    c_.Gauge3.setProgress(gdi);
    c_.Gauge4.setProgress(user);
}

bool ResourcesPage::readFreeResources(std::uint16_t& system, std::uint16_t& gdi, std::uint16_t& user) {
    // Without the kernel's 16-bit services (the NT family) there is nothing to ask.
    if (!platform_.has16BitServices()) return false;
    platform::Library16 library(platform_, "User.exe");
    if (!library.loaded()) return false;
    freeResourcesProc_ = platform_.getProcAddress16(library.handle(), "GetFreeSystemResources");
    if (freeResourcesProc_ != 0) {
        system = callFreeSystemResources(GFSR_SYSTEMRESOURCES);
        gdi = callFreeSystemResources(GFSR_GDIRESOURCES);
        user = callFreeSystemResources(GFSR_USERRESOURCES);
    }
    return freeResourcesProc_ != 0;
}

std::optional<FreeShares> ResourcesPage::shown() const {
    if (!c_.Gauge2.showText()) return std::nullopt;
    return FreeShares{c_.Gauge2.share(), c_.Gauge3.share(), c_.Gauge4.share()};
}

std::uint16_t ResourcesPage::callFreeSystemResources(std::uint16_t index) {
    return platform_.callProc16(freeResourcesProc_, index);
}

}  // namespace pages
