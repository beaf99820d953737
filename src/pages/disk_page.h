// The disk page: volume information and space figures of the drive chosen
// in the drive box.
#pragma once

#include <cstdint>
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

private:
    DiskControls c_;
    platform::Platform& platform_;
    present::Separators separators_;
    int driveNumber_ = 0;
};

}  // namespace pages
