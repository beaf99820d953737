// Registration: the computer name first, then the owner and organisation.
// Only what the user changed is written, and every refusal is reported.
#include "pages/registration.h"

#include <optional>
#include <utility>

#include "platform/registry.h"
#include "platform/registry_locations.h"
#include "present/texts.h"

namespace pages {
namespace {

// A name the system would refuse is refused here, never cut to fit: an
// empty one, one longer than the system keeps, or the placeholder shown for
// a name that could not be read.
bool acceptable(const std::string& name) {
    return !name.empty() && name.size() <= kLongestComputerName && name != texts::kUnknownComputerName;
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
    // Its message boxes keep the window's events going: no second
    // registration starts inside the first.
    if (registering_) return;
    registering_ = true;
    std::optional<bool> nameTaken;
    if (user_.computerNameChanged()) {
        const std::string name = c_.NewPCName.text();
        nameTaken = acceptable(name) && platform_.setComputerName(name.c_str());
        if (!*nameTaken) form_.showMessage(texts::kCannotChangeComputerName);
    }

    bool focusWasInEditing = focusInEditing();
    c_.Panel25.show();
    c_.Panel20.hide();
    focusChangeIf(focusWasInEditing);
    // Told before the refresh, which then shows what the registry really holds.
    if (!writeOwnerAndOrganisation()) form_.showMessage(texts::kCannotChangeOwner);
    refreshUserInformation_();

    // The field shows what really waits for the restart, and the status
    // line follows it.
    if (nameTaken) user_.showComputerNameKept(*nameTaken);
    user_.showStatus();
    c_.M1.show();
    registering_ = false;
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
