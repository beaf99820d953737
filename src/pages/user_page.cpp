// The platform's keys and the user information refresh.
#include "pages/user_page.h"

#include "pages/texts.h"
#include "platform/platform_kind.h"
#include "platform/registry.h"
#include "platform/registry_locations.h"

namespace pages {
namespace {

// The computer name is read with room for 15 bytes and the terminating zero.
constexpr std::uint32_t kComputerNameBuffer = 16;

}  // namespace

UserPage::UserPage(const UserControls& controls, platform::Platform& platform)
    : c_(controls), platform_(platform) {}

void UserPage::SelectPlatformKeys() {
    std::optional<platform::PlatformKind> kind = platform::queryPlatformKind(platform_);
    if (!kind) return;
    ProcessorKey = registry::kProcessorKey;
    if (kind == platform::PlatformKind::Windows9x) {
        VersionKey = registry::kVersionKey9x;
        CPUNameKey = registry::kProcessorKey;
        CPUNameValue = registry::kProcessorNameValue9x;
        c_.Label9.show();
        c_.Label21.show();
        c_.Gauge6.show();
    } else if (kind == platform::PlatformKind::WindowsNt) {
        VersionKey = registry::kVersionKeyNt;
        CPUNameKey = registry::kProcessorClassKeyNt;
        CPUNameValue = registry::kProcessorNameValueNt;
        c_.Label9.hide();
        c_.Label21.hide();
        c_.Gauge6.hide();
    }
}

std::uint32_t UserPage::versionKeyAccess(bool forWriting) const {
    if (!platform_.isWow64()) return 0;  // the old functions' own choice
    return (forWriting ? platform::kKeyAllAccess : platform::kKeyRead) | platform::kKeyWow64View64;
}

void UserPage::Button8Click() {
    SelectPlatformKeys();

    // While the platform is unknown there is no key to read from: empty texts,
    // never values from some other key.
    std::string owner, organisation, processor, vendor;
    if (VersionKey != nullptr) {
        registry::Key key = registry::Key::open(platform_, platform::kLocalMachine, VersionKey, versionKeyAccess(false));
        owner = registry::readText(platform_, key, registry::kRegisteredOwner);
        organisation = registry::readText(platform_, key, registry::kRegisteredOrganization);
    }
    c_.NowName.setText(owner);
    c_.NowCompany.setText(organisation);
    if (CPUNameKey != nullptr) {
        registry::Key key = registry::Key::open(platform_, platform::kLocalMachine, CPUNameKey, 0);
        processor = registry::readText(platform_, key, CPUNameValue);
    }
    c_.Edit3.setText(processor);
    if (ProcessorKey != nullptr) {
        registry::Key key = registry::Key::open(platform_, platform::kLocalMachine, ProcessorKey, 0);
        vendor = registry::readText(platform_, key, registry::kVendorIdentifier);
    }
    c_.Edit4.setText(vendor);

    c_.NewName.setText(c_.NowName.text());
    c_.NewCompany.setText(c_.NowCompany.text());
    shownOwner_ = c_.NewName.text();
    shownOrganisation_ = c_.NewCompany.text();
    c_.M1.setFontColour(present::colours::white);
    c_.M1.setText(texts::kViewing);
}

void UserPage::showComputerName() {
    char name[kComputerNameBuffer] = {};
    std::uint32_t size = kComputerNameBuffer;
    if (platform_.getComputerName(name, size)) {
        name[kComputerNameBuffer - 1] = '\0';
        c_.NowPCName.setText(name);
    } else {
        c_.NowPCName.setText(texts::kUnknownComputerName);
    }
    c_.NewPCName.setText(c_.NowPCName.text());
    computerNameAtStart_ = c_.NowPCName.text();
    shownComputerName_ = computerNameAtStart_;
}

void UserPage::showPendingComputerName(const std::string& readBack) {
    if (!readBack.empty()) shownComputerName_ = readBack;
    c_.NewPCName.setText(shownComputerName_);
}

}  // namespace pages
