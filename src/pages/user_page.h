// The user page's viewing side: the registered owner and organisation, read
// anew at every refresh, and the computer name read at start-up. The editing
// side is the registration (registration.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/platform.h"
#include "platform/platform_profile.h"
#include "ui/control.h"

namespace pages {

// The longest computer name the system keeps (MAX_COMPUTERNAME_LENGTH).
inline constexpr std::size_t kLongestComputerName = 15;
// The longest owner or organisation the user may type: what the page can
// read back and show whole (a value is read into 255 bytes with its zero).
inline constexpr std::size_t kLongestRegisteredText = 254;

struct UserControls {
    ui::TextBox& NowName;     // the registered owner, as read
    ui::TextBox& NowCompany;  // the registered organisation, as read
    ui::TextBox& NowPCName;   // the computer name, as read at start-up
    ui::TextBox& NewName;     // edit field: the owner to register
    ui::TextBox& NewCompany;  // edit field: the organisation to register
    ui::TextBox& NewPCName;   // edit field: the computer name to set
    ui::TextBox& M1;          // the status line
};

// How the owner's key is opened: in the 64-bit view for a 32-bit program on
// 64-bit Windows, so that it is the key Windows itself shows and keeps;
// elsewhere with the old functions' own choice of rights (0).
std::uint32_t ownerKeyAccess(platform::Platform& platform, bool forWriting);

class UserPage {
public:
    UserPage(const UserControls& controls, platform::Platform& platform, const platform::PlatformProfile& profile);

    // The first step of start-up: NowPCName and NewPCName.
    void showComputerName();
    // The user page's part of the user-information refresh (Button8Click):
    // the owner and organisation read anew and copied into the edit fields,
    // and the white viewing text.
    void refresh();

    // Whether the user changed an edit field from what the page last put
    // there. Only a changed field may be written back: a value the page
    // could not show whole (too long, of another type, unreadable) shows as
    // an empty or cut text, and writing that back would destroy it.
    bool ownerChanged() const { return c_.NewName.text() != shownOwner_; }
    bool organisationChanged() const { return c_.NewCompany.text() != shownOrganisation_; }
    bool computerNameChanged() const { return c_.NewPCName.text() != shownComputerName_; }
    // The computer name read at start-up, or the placeholder when it could not be read.
    const std::string& computerNameAtStart() const { return computerNameAtStart_; }
    // The status line after start-up and after a registration: the restart
    // text while NewPCName holds another name than the one in force, else
    // the viewing text.
    void showStatus();
    // The owner and organisation as the last refresh read them (the boxes
    // that show them take typing).
    const std::string& owner() const { return owner_; }
    const std::string& organisation() const { return organisation_; }
    // After the system took (or refused) the name in NewPCName: the field
    // shows the name that really waits for the restart, as the system keeps
    // it, which may not be what was typed. Where that cannot be read, the
    // field keeps the name it was given (or, refused, what it showed before).
    void showComputerNameKept(bool taken);

private:
    UserControls c_;
    platform::Platform& platform_;
    const platform::PlatformProfile& profile_;
    // What the page last put into NewName, NewCompany and NewPCName.
    std::string shownOwner_;
    std::string shownOrganisation_;
    std::string shownComputerName_;
    std::string computerNameAtStart_;
    std::string owner_;
    std::string organisation_;
};

// The computer name the system takes at its next start, as its own
// name-setting keeps it; empty where it cannot be read.
std::string pendingComputerName(platform::Platform& platform);

// The name that waits for the next start where it is not the computer's
// present name (letter case aside); empty where none waits.
std::string waitingComputerName(platform::Platform& platform, const std::string& present);

// Whether two computer names name the same computer: the system does not
// tell the case of letters apart (the second byte of a two-byte character
// is no letter).
bool sameComputerName(const std::string& a, const std::string& b, platform::Platform& platform);

}  // namespace pages
