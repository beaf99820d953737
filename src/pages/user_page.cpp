// The user page: its refresh, the computer name of start-up, and registration,
// the computer name first, then the owner and organisation. Only what the
// user changed is written, and every refusal is reported.
#include "pages/user_page.h"

#include "base/scoped_flag.h"
#include "pages/control_ids.h"
#include "platform/registry.h"
#include "platform/registry_locations.h"
#include "present/colours.h"
#include "present/texts.h"

namespace pages {
namespace {

// The computer name is read with room for 15 bytes and the terminating zero.
constexpr std::uint32_t kComputerNameBuffer = 16;

// A name the system would refuse is refused here, never cut to fit: an
// empty one, one longer than the system keeps, or the placeholder shown for
// a name that could not be read.
bool acceptable(const std::string& name) {
    return !name.empty() && name.size() <= kLongestComputerName && name != texts::kUnknownComputerName;
}

}  // namespace

UserControls UserControls::bind(ui::Form& form) {
    return {form.get<ui::TextBox>(ids::NowName),    form.get<ui::TextBox>(ids::NowCompany),
            form.get<ui::TextBox>(ids::NowPCName),  form.get<ui::TextBox>(ids::NewName),
            form.get<ui::TextBox>(ids::NewCompany), form.get<ui::TextBox>(ids::NewPCName),
            form.get<ui::TextBox>(ids::M1),         form.get<ui::Panel>(ids::Panel20),
            form.get<ui::Panel>(ids::Panel25),      form.get<ui::Panel>(ids::Change),
            form.get<ui::Panel>(ids::Touroku),      form.get<ui::Panel>(ids::Cancel),
            form.get<ui::Button>(ids::Button8)};
}

std::uint32_t ownerKeyAccess(platform::Platform& platform, bool forWriting) {
    if (!platform.isWow64()) return 0;
    return (forWriting ? platform::kKeyAllAccess : platform::kKeyRead) | platform::kKeyWow64View64;
}

UserPage::UserPage(ui::Form& form, platform::Platform& platform, const platform::PlatformProfile& profile)
    : c_(UserControls::bind(form)), platform_(platform), profile_(profile) {
    // A longer text would be written whole and then show empty.
    c_.ownerBox.setMaxLength(kLongestRegisteredText);
    c_.organisationBox.setMaxLength(kLongestRegisteredText);
    c_.changeButton.onClick = [this] { enterEditing(); };
    for (ui::TextBox* box : {&c_.ownerBox, &c_.organisationBox, &c_.computerNameBox}) {
        box->onChange = [this] { fieldEdited(); };
        // Enter in a box registers, as a dialog's default button would.
        box->onEnter = [this] { c_.registerButton.click(); };
    }
    // Esc anywhere on the editing panel cancels.
    for (ui::Control* control : std::initializer_list<ui::Control*>{&c_.ownerBox, &c_.organisationBox,
                                                                     &c_.computerNameBox, &c_.registerButton,
                                                                     &c_.cancelButton})
        control->onEscape = [this] { c_.cancelButton.click(); };
}

template <class Put>
void UserPage::putIntoBoxes(Put put) {
    base::ScopedFlag putting(puttingIntoBoxes_);
    put();
}

void UserPage::showComputerName() {
    char name[kComputerNameBuffer] = {};
    std::uint32_t size = kComputerNameBuffer;
    if (platform_.getComputerName(name, size)) {
        name[kComputerNameBuffer - 1] = '\0';
        c_.computerNameShown.setText(name);
    } else {
        c_.computerNameShown.setText(texts::kUnknownComputerName);
    }
    computerNameAtStart_ = c_.computerNameShown.text();
    // A name set earlier (by this program or the system's own dialog) that
    // waits for the restart shows as after a registration: typing the
    // present name back undoes it.
    std::string waiting = waitingComputerName(platform_, computerNameAtStart_);
    shownComputerName_ = waiting.empty() ? computerNameAtStart_ : waiting;
    putIntoBoxes([&] { c_.computerNameBox.setText(shownComputerName_); });
}

void UserPage::refresh() {
    // While the platform is unknown there is no key to read from: empty texts,
    // never values from some other key.
    std::string owner, organisation;
    if (profile_.versionKey != nullptr) {
        registry::Key key = registry::Key::open(platform_, platform::kLocalMachine, profile_.versionKey,
                                                ownerKeyAccess(platform_, false));
        owner = key.readAnyText(registry::kRegisteredOwner);
        organisation = key.readAnyText(registry::kRegisteredOrganization);
    }
    owner_ = owner;
    organisation_ = organisation;
    c_.ownerShown.setText(owner);
    c_.organisationShown.setText(organisation);
    putIntoBoxes([&] {
        c_.ownerBox.setText(c_.ownerShown.text());
        c_.organisationBox.setText(c_.organisationShown.text());
    });
    shownOwner_ = c_.ownerBox.text();
    shownOrganisation_ = c_.organisationBox.text();
    c_.statusLine.setFontColour(present::colours::white);
    c_.statusLine.setText(texts::kViewing);
}

void UserPage::showStatus() {
    if (c_.computerNameBox.text() != computerNameAtStart_) {
        c_.statusLine.setFontColour(present::colours::fuchsia);
        c_.statusLine.setText(texts::kRestartPending);
    } else {
        c_.statusLine.setFontColour(present::colours::white);
        c_.statusLine.setText(texts::kViewing);
    }
}

void UserPage::enterEditing() {
    c_.editingPanel.show();
    c_.changeRing.hide();
    c_.statusLine.hide();
    c_.ownerBox.setFocus();
}

void UserPage::fieldEdited() {
    if (puttingIntoBoxes_) return;
    c_.statusLine.setFontColour(present::colours::yellow);
    c_.statusLine.setText(texts::kEditing);
    c_.statusLine.show();
}

std::optional<Registered> UserPage::registerChanges() {
    if (registering_) return std::nullopt;
    base::ScopedFlag registering(registering_);
    Registered registered;
    if (computerNameChanged()) {
        const std::string name = c_.computerNameBox.text();
        registered.nameTaken = acceptable(name) && platform_.setComputerName(name.c_str());
        if (!*registered.nameTaken) c_.statusLine.form().showMessage(texts::kCannotChangeComputerName);
    }
    leaveEditing();
    // Told before the refresh, which then shows what the registry really holds.
    if (!writeOwnerAndOrganisation()) c_.statusLine.form().showMessage(texts::kCannotChangeOwner);
    return registered;
}

void UserPage::showRegistered(const Registered& registered) {
    if (registered.nameTaken) {
        // What the system kept may not be what was typed; where it cannot be
        // read, the box keeps the name it was given (or, refused, what it
        // showed before).
        std::string kept = pendingComputerName(platform_);
        if (!kept.empty())
            shownComputerName_ = kept;
        else if (*registered.nameTaken)
            shownComputerName_ = c_.computerNameBox.text();
        putIntoBoxes([&] { c_.computerNameBox.setText(shownComputerName_); });
    }
    showStatus();
    c_.statusLine.show();
}

void UserPage::cancelEditing() {
    leaveEditing();
    c_.statusLine.show();
}

void UserPage::leaveEditing() {
    bool focusWasInEditing = c_.editingPanel.contains(c_.editingPanel.form().focused());
    c_.changeRing.show();
    c_.editingPanel.hide();
    if (focusWasInEditing) c_.changeButton.setFocus();
}

bool UserPage::writeOwnerAndOrganisation() {
    const bool owner = ownerChanged();
    const bool organisation = organisationChanged();
    if (!owner && !organisation) return true;
    // Without a known platform there is no key to write to: nothing is
    // written anywhere, and the user is told.
    if (profile_.versionKey == nullptr) return false;
    registry::Key key = registry::Key::create(platform_, platform::kLocalMachine, profile_.versionKey,
                                              ownerKeyAccess(platform_, true));
    if (!key) return false;
    bool written = true;
    if (owner && key.writeText(registry::kRegisteredOwner, c_.ownerBox.text()) != platform::kSuccess) written = false;
    if (organisation && key.writeText(registry::kRegisteredOrganization, c_.organisationBox.text()) != platform::kSuccess)
        written = false;
    return written;
}

std::string pendingComputerName(platform::Platform& platform) {
    registry::Key key =
        registry::Key::open(platform, platform::kLocalMachine, registry::kComputerNameKey, platform::kKeyRead);
    return key.readAnyText(registry::kComputerNameValue, kLongestComputerName + 1);
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

}  // namespace pages
