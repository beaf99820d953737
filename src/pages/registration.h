// The user page's editing side: entering and leaving editing, and
// registering a new owner, organisation and computer name.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "pages/user_page.h"
#include "platform/platform.h"
#include "platform/platform_profile.h"
#include "ui/form.h"

namespace pages {

struct RegistrationControls {
    ui::Panel& Panel20;     // the editing panel, with Touroku and Cancel
    ui::Panel& Panel25;     // the ring that carries Change (登録変更, "change the registration")
    ui::Panel& Change;      // the push panel that enters editing
    ui::TextBox& M1;        // the status line
    ui::TextBox& NewName;   // edit field: the owner
    ui::TextBox& NewCompany;  // edit field: the organisation
    ui::TextBox& NewPCName;   // edit field: the computer name
};

class Registration {
public:
    // refreshUserInformation reads everything the user page and the CPU page
    // show from the registry anew (the main window's, run after every
    // registration and cancel).
    Registration(const RegistrationControls& controls, platform::Platform& platform,
                 const platform::PlatformProfile& profile, UserPage& user, ui::Form& form,
                 std::function<void()> refreshUserInformation);

    // The click of Change: the editing panel, the focus in NewName.
    void enterEditing();
    // A change of any edit field (NewNameChange): the yellow prompt.
    void fieldEdited();
    // The click of Touroku (登録, "register"): sets the computer name and
    // writes the owner and organisation where the user changed them,
    // reports what the system refused, refreshes, and tells whether a new
    // name waits for a restart.
    void registerChanges();
    // The click of Cancel: back to viewing, nothing written.
    void cancelEditing();

private:
    // False when a value the user changed could not be written.
    bool writeOwnerAndOrganisation();
    // Whether the focus is on the editing panel, which is about to close.
    bool focusInEditing() const;
    // After the editing panel closed: the focus it held goes to Change, so
    // that the keyboard can open it again.
    void focusChangeIf(bool focusWasInEditing);

    RegistrationControls c_;
    platform::Platform& platform_;
    const platform::PlatformProfile& profile_;
    UserPage& user_;
    ui::Form& form_;
    std::function<void()> refreshUserInformation_;
    bool registering_ = false;
};

}  // namespace pages
