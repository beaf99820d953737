// The user page's refresh and the computer name of start-up.
#include "pages/user_page.h"

#include "platform/registry.h"
#include "platform/registry_locations.h"
#include "present/texts.h"

namespace pages {
namespace {

// The computer name is read with room for 15 bytes and the terminating zero.
constexpr std::uint32_t kComputerNameBuffer = 16;

}  // namespace

std::uint32_t ownerKeyAccess(platform::Platform& platform, bool forWriting) {
    if (!platform.isWow64()) return 0;
    return (forWriting ? platform::kKeyAllAccess : platform::kKeyRead) | platform::kKeyWow64View64;
}

UserPage::UserPage(const UserControls& controls, platform::Platform& platform,
                   const platform::PlatformProfile& profile)
    : c_(controls), platform_(platform), profile_(profile) {
    // A longer text would be written whole and then show empty.
    c_.NewName.setMaxLength(kLongestRegisteredText);
    c_.NewCompany.setMaxLength(kLongestRegisteredText);
}

void UserPage::refresh() {
    // While the platform is unknown there is no key to read from: empty texts,
    // never values from some other key.
    std::string owner, organisation;
    if (profile_.versionKey != nullptr) {
        registry::Key key = registry::Key::open(platform_, platform::kLocalMachine, profile_.versionKey,
                                                ownerKeyAccess(platform_, false));
        owner = registry::readText(platform_, key, registry::kRegisteredOwner);
        organisation = registry::readText(platform_, key, registry::kRegisteredOrganization);
    }
    owner_ = owner;
    organisation_ = organisation;
    c_.NowName.setText(owner);
    c_.NowCompany.setText(organisation);
    c_.NewName.setText(c_.NowName.text());
    c_.NewCompany.setText(c_.NowCompany.text());
    shownOwner_ = c_.NewName.text();
    shownOrganisation_ = c_.NewCompany.text();
    // Last, so that whatever the edit fields' change events made of the
    // status line, a refresh ends with the viewing text.
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
    computerNameAtStart_ = c_.NowPCName.text();
    // A name set earlier (by this program or the system's own dialog) that
    // waits for the restart shows as after a registration: typing the
    // present name back undoes it.
    std::string waiting = waitingComputerName(platform_, computerNameAtStart_);
    shownComputerName_ = waiting.empty() ? computerNameAtStart_ : waiting;
    c_.NewPCName.setText(shownComputerName_);
}

void UserPage::showStatus() {
    if (c_.NewPCName.text() != computerNameAtStart_) {
        c_.M1.setFontColour(present::colours::fuchsia);
        c_.M1.setText(texts::kRestartPending);
    } else {
        c_.M1.setFontColour(present::colours::white);
        c_.M1.setText(texts::kViewing);
    }
}

std::string pendingComputerName(platform::Platform& platform) {
    registry::Key key =
        registry::Key::open(platform, platform::kLocalMachine, registry::kComputerNameKey, platform::kKeyRead);
    return registry::readText(platform, key, registry::kComputerNameValue, kLongestComputerName + 1);
}

std::string waitingComputerName(platform::Platform& platform, const std::string& present) {
    std::string pending = pendingComputerName(platform);
    return pending.empty() || sameComputerName(pending, present, platform) ? std::string() : pending;
}

bool sameComputerName(const std::string& a, const std::string& b, platform::Platform& platform) {
    if (a.size() != b.size()) return false;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (platform.isLeadByte(static_cast<std::uint8_t>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            ++i;
        } else if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

void UserPage::showComputerNameKept(bool taken) {
    std::string kept = pendingComputerName(platform_);
    if (!kept.empty())
        shownComputerName_ = kept;
    else if (taken)
        shownComputerName_ = c_.NewPCName.text();
    c_.NewPCName.setText(shownComputerName_);
}

}  // namespace pages
