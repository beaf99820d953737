// The user page's editing side: entering and leaving editing, and registering
// a new owner, organisation and computer name.
#pragma once

#include <string>

#include "pages/user_page.h"
#include "platform/platform.h"
#include "ui/form.h"

namespace pages {

struct RegistrationControls {
    ui::Panel& Panel20;  // the editing panel
    ui::Panel& Panel25;  // the ring that carries Change
    ui::TextBox& M1;
    ui::TextBox& NewName;
    ui::TextBox& NewCompany;
    ui::TextBox& NewPCName;
    ui::TextBox& NowPCName;
    ui::Button& Button8;
};

// The longest computer name the system keeps (MAX_COMPUTERNAME_LENGTH).
inline constexpr std::size_t kLongestComputerName = 15;

class Registration {
public:
    Registration(const RegistrationControls& controls, platform::Platform& platform, UserPage& user,
                 ui::Form& form);

    void ChangeClick();
    void NewNameChange();
    // Sets the computer name and writes the owner and organisation where the
    // user changed them, reports what the system refused, refreshes, and
    // tells whether a new name waits for a restart.
    void TourokuClick();
    void CancelClick();

private:
    // False when a value the user changed could not be written.
    bool writeOwnerAndOrganisation();
    // The name the system takes at its next start; empty where it cannot be read.
    std::string pendingComputerName();

    RegistrationControls c_;
    platform::Platform& platform_;
    UserPage& user_;
    ui::Form& form_;
};

}  // namespace pages
