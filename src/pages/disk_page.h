// The disk page: volume information and space figures of the drive chosen in the drive box.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "present/number_mask.h"
#include "ui/control.h"
#include "ui/drive_box.h"
#include "ui/gauge.h"

namespace pages {

struct DiskControls {
    ui::DriveBox& DriveComboBox1;
    ui::Label& Label2;
    ui::Label& Label3;
    ui::Label& Label4;
    ui::Label& Label12;
    ui::Label& Label20;
    ui::Gauge& Gauge5;
    ui::TextBox& Memo1;
    ui::TextBox& Memo2;
    ui::TextBox& Memo3;
    ui::TextBox& Memo9;
    ui::TextBox& Memo10;
};

class DiskPage {
public:
    DiskPage(const DiskControls& controls, platform::Platform& platform, present::Separators separators);

    // The drive box's change event: the waiting state, the volume information, then the figures.
    void DriveComboBox1Change();
    // The space figures of the current drive number.
    void Button1Click();

    // 0 (the current directory's drive) until a drive letter is chosen, then 1 for a to 26 for z.
    int driveNumber() const { return driveNumber_; }

private:
    std::string sizeText(double megabytes) const;

    DiskControls c_;
    platform::Platform& platform_;
    present::Separators separators_;
    int driveNumber_ = 0;
};

}  // namespace pages
