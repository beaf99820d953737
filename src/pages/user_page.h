// The user page: the registered owner and organisation, read anew at every
// refresh, the computer name read at start-up, and the editing mode in which
// the user registers a new owner, organisation and computer name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "platform/platform_profile.h"
#include "ui/control.h"
#include "ui/form.h"

namespace pages {

// The longest computer name the system keeps (MAX_COMPUTERNAME_LENGTH).
inline constexpr std::size_t kLongestComputerName = 15;
// The longest owner or organisation the user may type: what the page can
// read back and show whole (a value is read into 255 bytes with its zero).
inline constexpr std::size_t kLongestRegisteredText = 254;

struct UserControls {
    ui::TextBox& ownerShown;         // the registered owner, as read
    ui::TextBox& organisationShown;  // the registered organisation, as read
    ui::TextBox& computerNameShown;  // the computer name, as read at start-up
    ui::TextBox& ownerBox;           // the owner to register
    ui::TextBox& organisationBox;    // the organisation to register
    ui::TextBox& computerNameBox;    // the computer name to set
    ui::TextBox& statusLine;         // what the page is doing, or what waits
    ui::Panel& editingPanel;         // the three boxes and the two push panels below
    ui::Panel& changeRing;           // the ring that carries changeButton
    ui::Panel& changeButton;         // 登録変更: opens the editing panel
    ui::Panel& registerButton;       // 登録: registers what the boxes hold
    ui::Panel& cancelButton;         // キャンセル: closes the panel, writes nothing
    ui::Button& refreshButton;       // hidden; carries the user-information refresh

    static UserControls bind(ui::Form& form);
};

// How the owner's key is opened: in the 64-bit view for a 32-bit program on
// 64-bit Windows, so that it is the key Windows itself shows and keeps;
// elsewhere with the old functions' own choice of rights (0).
std::uint32_t ownerKeyAccess(platform::Platform& platform, bool forWriting);

// What a registration did, for the page to show once the registry has been
// read anew.
struct Registered {
    // Whether the system took a new computer name; none where the name was
    // not changed, so not handed to the system at all.
    std::optional<bool> nameTaken;
};

class UserPage {
public:
    UserPage(ui::Form& form, platform::Platform& platform, const platform::PlatformProfile& profile);

    // The page's controls; the main window wires the actions that refresh
    // more than this page (registering, cancelling, the hidden refresh).
    const UserControls& controls() const { return c_; }

    // The first step of start-up: the computer name, and the name that waits
    // for the restart, if one does.
    void showComputerName();
    // The user page's part of the user-information refresh (Button8Click):
    // the owner and organisation read anew and copied into the boxes, and the
    // white viewing text.
    void refresh();
    // The status line after start-up and after a registration: the restart
    // text while the computer name box holds another name than the one in
    // force, else the viewing text.
    void showStatus();

    // The click of Change: the editing panel, the focus in the owner box.
    void enterEditing();
    // A box the user changed (NewNameChange): the yellow prompt.
    void fieldEdited();
    // The click of Touroku, up to the refresh: sets the computer name where
    // the user changed it and writes the owner and organisation where the
    // user changed them, reporting each refusal; the editing panel closes.
    // None while a registration is running already (its message box keeps
    // the window's events going).
    std::optional<Registered> registerChanges();
    // After the refresh that follows a registration: the computer name box
    // shows what really waits for the restart, and the status line follows it.
    void showRegistered(const Registered& registered);
    // The click of Cancel, up to the refresh: the editing panel closes,
    // nothing is written.
    void cancelEditing();

    // The computer name read at start-up, or the placeholder when it could not be read.
    const std::string& computerNameAtStart() const { return computerNameAtStart_; }
    // The owner and organisation as the last refresh read them (the boxes
    // that show them take typing).
    const std::string& owner() const { return owner_; }
    const std::string& organisation() const { return organisation_; }

private:
    // Only a box the user changed from what the page last put there is
    // written back: a value the page could not show whole (too long, of
    // another type, unreadable) shows as an empty or cut text, and writing
    // that back would destroy it.
    bool ownerChanged() const { return c_.ownerBox.text() != shownOwner_; }
    bool organisationChanged() const { return c_.organisationBox.text() != shownOrganisation_; }
    bool computerNameChanged() const { return c_.computerNameBox.text() != shownComputerName_; }
    // False when a value the user changed could not be written.
    bool writeOwnerAndOrganisation();
    // Closes the editing panel; the focus it held goes to Change, so that
    // the keyboard can open it again.
    void leaveEditing();
    // Puts the page's own texts into the boxes: that is no edit of the user's.
    template <class Put>
    void putIntoBoxes(Put put);

    UserControls c_;
    platform::Platform& platform_;
    const platform::PlatformProfile& profile_;
    // What the page last put into the three boxes.
    std::string shownOwner_;
    std::string shownOrganisation_;
    std::string shownComputerName_;
    std::string computerNameAtStart_;
    std::string owner_;
    std::string organisation_;
    bool puttingIntoBoxes_ = false;
    bool registering_ = false;
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
