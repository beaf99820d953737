// Registration: the computer name first, then the owner and organisation.
// Only what the user changed is written, and every refusal is reported.
#include "pages/registration.h"

#include <utility>

#include "platform/registry.h"
#include "platform/registry_locations.h"
#include "present/texts.h"

namespace pages {
namespace {

// A name the system would refuse is refused here, never cut to fit: one
// longer than the system keeps, or the placeholder shown for a name that
// could not be read.
bool acceptable(const std::string& name) {
    return name.size() <= kLongestComputerName && name != texts::kUnknownComputerName;
}

}  // namespace

Registration::Registration(const RegistrationControls& controls, platform::Platform& platform,
                           const platform::PlatformProfile& profile, UserPage& user, ui::Form& form,
                           std::function<void()> refreshUserInformation)
    : c_(controls),
      platform_(platform),
      profile_(profile),
      user_(user),
      form_(form),
      refreshUserInformation_(std::move(refreshUserInformation)) {}

void Registration::enterEditing() {
    c_.Panel20.show();
    c_.Panel25.hide();
    c_.M1.hide();
    c_.NewName.setFocus();
}

void Registration::fieldEdited() {
    c_.M1.setFontColour(present::colours::yellow);
    c_.M1.setText(texts::kEditing);
    c_.M1.show();
}

bool Registration::focusInEditing() const {
    return c_.Panel20.contains(form_.focused());
}

void Registration::focusChangeIf(bool focusWasInEditing) {
    if (focusWasInEditing) c_.Change.setFocus();
}

void Registration::registerChanges() {
    bool nameRefused = false;
    if (user_.computerNameChanged()) {
        const std::string name = c_.NewPCName.text();
        if (acceptable(name) && platform_.setComputerName(name.c_str())) {
            user_.computerNameTaken();
        } else {
            nameRefused = true;
            form_.showMessage(texts::kCannotChangeComputerName);
        }
    }

    bool focusWasInEditing = focusInEditing();
    c_.Panel25.show();
    c_.Panel20.hide();
    focusChangeIf(focusWasInEditing);
    // Told before the refresh, which then shows what the registry really holds.
    if (!writeOwnerAndOrganisation()) form_.showMessage(texts::kCannotChangeOwner);
    refreshUserInformation_();

    // A refused name is not pending: the field shows what really waits for
    // the restart, and the status line follows it.
    if (nameRefused) user_.showPendingComputerName(pendingComputerName(platform_));
    if (c_.NewPCName.text() != user_.computerNameAtStart()) {
        c_.M1.setFontColour(present::colours::fuchsia);
        c_.M1.setText(texts::kRestartPending);
    } else {
        c_.M1.setFontColour(present::colours::white);
        c_.M1.setText(texts::kViewing);
    }
    c_.M1.show();
}

bool Registration::writeOwnerAndOrganisation() {
    const bool owner = user_.ownerChanged();
    const bool organisation = user_.organisationChanged();
    if (!owner && !organisation) return true;
    // Without a known platform there is no key to write to: nothing is
    // written anywhere, and the user is told.
    if (profile_.versionKey == nullptr) return false;
    registry::Key key = registry::Key::create(platform_, platform::kLocalMachine, profile_.versionKey,
                                              ownerKeyAccess(platform_, true));
    if (!key) return false;
    bool written = true;
    if (owner && registry::writeText(platform_, key, registry::kRegisteredOwner, c_.NewName.text()) != platform::kSuccess)
        written = false;
    if (organisation &&
        registry::writeText(platform_, key, registry::kRegisteredOrganization, c_.NewCompany.text()) !=
            platform::kSuccess)
        written = false;
    return written;
}

void Registration::cancelEditing() {
    bool focusWasInEditing = focusInEditing();
    c_.Panel20.hide();
    c_.Panel25.show();
    focusChangeIf(focusWasInEditing);
    c_.M1.show();
    refreshUserInformation_();
}

}  // namespace pages
