// The user page's viewing side: the platform's registry keys, the user
// information refresh (owner, organisation, processor name and vendor) and
// the computer name read at start-up.
#pragma once

#include <string>

#include "platform/platform.h"
#include "ui/control.h"
#include "ui/gauge.h"

namespace pages {

struct UserControls {
    ui::TextBox& NowName;
    ui::TextBox& NowCompany;
    ui::TextBox& NowPCName;
    ui::TextBox& NewName;
    ui::TextBox& NewCompany;
    ui::TextBox& NewPCName;
    ui::TextBox& M1;
    ui::TextBox& Edit3;  // the processor name, on the CPU page
    ui::TextBox& Edit4;  // the vendor, on the CPU page
    ui::Label& Label9;   // the CPU page's load controls
    ui::Label& Label21;
    ui::Gauge& Gauge6;
};

class UserPage {
public:
    UserPage(const UserControls& controls, platform::Platform& platform);

    // Chooses the registry keys by platform kind and shows the load controls
    // on Windows 9x only. A failed version query changes nothing.
    void SelectPlatformKeys();
    // Reads the owner, organisation, processor name and vendor anew.
    void Button8Click();
    // The first step of start-up: NowPCName and NewPCName.
    void showComputerName();

    // Whether the user changed an edit field from what the page last put
    // there. Only a changed field may be written back: a value the page
    // could not show whole (too long, of another type, unreadable) shows as
    // an empty or cut text, and writing that back would destroy it.
    bool ownerChanged() const { return c_.NewName.text() != shownOwner_; }
    bool organisationChanged() const { return c_.NewCompany.text() != shownOrganisation_; }
    bool computerNameChanged() const { return c_.NewPCName.text() != shownComputerName_; }
    // The computer name read at start-up, or the placeholder when it could not be read.
    const std::string& computerNameAtStart() const { return computerNameAtStart_; }
    // The system took the name in NewPCName: the field now shows the pending name.
    void computerNameTaken() { shownComputerName_ = c_.NewPCName.text(); }
    // After a refused name: NewPCName shows the name that really waits for
    // the restart, as read back (empty: it could not be read, and the field
    // goes back to what it showed before the refused name was typed).
    void showPendingComputerName(const std::string& readBack);

    // The key of the owner and organisation, or none while the platform is unknown.
    const char* versionKey() const { return VersionKey; }
    // How VersionKey is opened: in the 64-bit view for a 32-bit program on
    // 64-bit Windows, so that it is the key Windows itself shows and keeps.
    std::uint32_t versionKeyAccess(bool forWriting) const;

private:
    UserControls c_;
    platform::Platform& platform_;
    const char* VersionKey = nullptr;
    const char* CPUNameKey = nullptr;
    const char* ProcessorKey = nullptr;
    std::string CPUNameValue;
    // What the page last put into NewName, NewCompany and NewPCName.
    std::string shownOwner_;
    std::string shownOrganisation_;
    std::string shownComputerName_;
    std::string computerNameAtStart_;
};

}  // namespace pages
