// The disk page: volume information and space figures of the drive chosen
// in the drive box.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "pages/usage_display.h"
#include "platform/platform.h"
#include "present/number_mask.h"
#include "ui/control.h"
#include "ui/drive_box.h"

namespace pages {

struct DiskControls {
    ui::DriveBox& DriveComboBox1;  // the drive box
    UsageControls usage;           // Label2-4 and Label12, Memo1-3, Label20, Gauge5
    ui::TextBox& Memo9;            // the volume's serial number
    ui::TextBox& Memo10;           // the volume's file system
};

// The figures of a drive of the given total and free bytes (-1 each for a
// drive that cannot be queried): megabytes below 1024 MB, gigabytes from there.
UsageFigures diskUsage(std::int64_t totalBytes, std::int64_t freeBytes, present::Separators separators);

// A volume serial number as the page shows it: eight upper-case hexadecimal
// digits with leading zeros ('0000ABCD').
std::string serialText(std::uint32_t serial);

// What the volume query told of a drive.
struct Volume {
    std::uint32_t serial = 0;
    std::string fileSystem;
};

// What the page's two queries told of one drive.
struct DriveReading {
    char letter = 0;                // lower case; 0 for the current directory's drive without a letter
    std::int64_t totalBytes = -1;   // -1: the drive could not be queried
    std::int64_t freeBytes = -1;
    std::optional<Volume> volume;   // none: the volume query failed
};

// A drive that answers has a size; one without a medium does not.
bool isReady(const DriveReading& drive);

// Both queries of the page for the drive of a letter from 'a' to 'z'.
DriveReading readDrive(platform::Platform& platform, char letter);

class DiskPage {
public:
    DiskPage(const DiskControls& controls, platform::Platform& platform, present::Separators separators);

    // The drive box's change event (DriveComboBox1Change): the waiting state,
    // the volume information, then the space figures.
    void driveChanged();
    // The space figures of the current drive number (Button1Click).
    void refreshSpace();

    // 0 (the current directory's drive) until a drive letter is chosen, then 1 for a to 26 for z.
    int driveNumber() const { return driveNumber_; }
    // The figures the page shows, once it shows figures.
    const std::optional<DriveReading>& reading() const { return reading_; }

private:
    DiskControls c_;
    platform::Platform& platform_;
    present::Separators separators_;
    int driveNumber_ = 0;
    // The chosen drive's letter and volume, then its space.
    DriveReading chosen_;
    std::optional<DriveReading> reading_;
};

}  // namespace pages
