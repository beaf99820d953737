// The disk page: the machine's drives in the drive box, and the volume
// information and space figures of the drive chosen there.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pages/usage_display.h"
#include "platform/platform.h"
#include "present/number_mask.h"
#include "ui/control.h"
#include "ui/drive_box.h"
#include "ui/form.h"

namespace pages {

struct DiskControls {
    ui::DriveBox& driveBox;       // the drives; the chosen one is shown
    UsageControls usage;          // total, used, free, the share and its pie
    ui::TextBox& serialBox;       // the volume's serial number
    ui::TextBox& fileSystemBox;   // the volume's file system
    ui::Button& refreshButton;    // hidden; carries the space refresh

    static DiskControls bind(ui::Form& form);
};

// One drive of the machine: its lower-case letter, and its volume label
// where one was asked for (fixed and RAM disks only).
struct DriveEntry {
    char letter = 0;
    std::string label;
};

// The machine's drives in letter order. Only a fixed or RAM disk is asked
// for its label: asking a floppy, CD or network drive could wait for a
// medium or a network, and the list is made as the window first shows.
std::vector<DriveEntry> listDrives(platform::Platform& platform);
// A drive as the drive box lists it: "c:", or "c: [LABEL]".
std::string driveEntryText(const DriveEntry& drive);
// The lower-case letter of the current directory's drive; 0 where it has
// none (a network path).
char currentDrive(platform::Platform& platform);

// The figures of a drive of the given total and free bytes (-1 each for a
// drive that cannot be queried): megabytes below 1024 MB, gigabytes from there.
UsageFigures diskUsage(std::int64_t totalBytes, std::int64_t freeBytes, present::Separators separators);

// A volume serial number as the page shows it: eight upper-case hexadecimal
// digits with leading zeros ('0000ABCD').
std::string serialText(std::uint32_t serial);

// What the page's two queries told of one drive.
struct DriveReading {
    char letter = 0;                // lower case; 0 for the current directory's drive without a letter
    std::int64_t totalBytes = -1;   // -1: the drive could not be queried
    std::int64_t freeBytes = -1;
    std::optional<platform::VolumeInfo> volume;  // none: the volume query failed
};

// A drive that answers has a size; one without a medium does not.
bool isReady(const DriveReading& drive);

// Both queries of the page for the drive of a letter from 'a' to 'z'.
DriveReading readDrive(platform::Platform& platform, char letter);

class DiskPage {
public:
    DiskPage(ui::Form& form, platform::Platform& platform, present::Separators separators);

    // The drive box's first showing: the machine's drives listed, the
    // current directory's chosen, which fills the page.
    void showDrives();
    // The drive box's change event (DriveComboBox1Change): the waiting state,
    // the volume information, then the space figures.
    void driveChanged();
    // The space figures of the current drive number (Button1Click).
    void refreshSpace();
    // The chosen drive read anew, volume and space, without the waiting
    // state: for a report, whose figures are all read when it is made.
    void refresh();

    // The drives the box lists; none before its first showing.
    const std::vector<DriveEntry>& drives() const { return drives_; }
    // 0 (the current directory's drive) until a drive letter is chosen, then 1 for a to 26 for z.
    int driveNumber() const { return driveNumber_; }
    // The figures the page shows, once it shows figures.
    const std::optional<DriveReading>& reading() const { return reading_; }

private:
    // The volume information of the chosen drive, shown.
    void readVolume();

    DiskControls c_;
    platform::Platform& platform_;
    present::Separators separators_;
    std::vector<DriveEntry> drives_;
    int driveNumber_ = 0;
    // The chosen drive's letter and volume, then its space.
    DriveReading chosen_;
    std::optional<DriveReading> reading_;
};

}  // namespace pages
