// The disk page's two operations.
#include "pages/disk_page.h"

#include "pages/texts.h"
#include "ui/form.h"
#include "present/colours.h"
#include "present/percent.h"

namespace pages {
namespace {

constexpr double kMegabyte = 1048576.0;

// Eight upper-case hexadecimal digits with leading zeros: '0000ABCD'.
std::string serialText(std::uint32_t serial) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text(8, '0');
    for (int i = 7; i >= 0; --i, serial >>= 4) text[static_cast<std::size_t>(i)] = digits[serial & 0xF];
    return text;
}

}  // namespace

DiskPage::DiskPage(const DiskControls& controls, platform::Platform& platform, present::Separators separators)
    : c_(controls), platform_(platform), separators_(separators) {}

void DiskPage::DriveComboBox1Change() {
    namespace colours = present::colours;
    c_.Label2.hide();
    c_.Label3.hide();
    c_.Label4.hide();
    c_.Label12.hide();
    c_.Gauge5.setShowText(false);

    c_.Memo1.setFontColour(colours::white);
    c_.Memo2.setFontColour(colours::white);
    c_.Memo3.setFontColour(colours::white);
    c_.Memo1.setText(texts::kDiskIntro1);
    c_.Memo2.setText(texts::kDiskIntro2);
    c_.Memo3.setText(texts::kDiskIntro3);

    c_.Gauge5.setProgress(0);
    c_.Gauge5.setBackColour(colours::blue);
    // The waiting state shows while the drive answers, which takes seconds for a floppy disk.
    c_.Gauge5.form().paintNow();

    char letter = c_.DriveComboBox1.drive();
    for (int k = 1; k <= 26; ++k) {
        if (letter == static_cast<char>('a' + k - 1)) driveNumber_ = k;
    }

    // The volume query's failure is not reported; the boxes then show nothing
    // rather than what an earlier drive had.
    std::string root = letter != 0 ? std::string(1, letter) + ":\\" : std::string(":\\");
    std::uint32_t serial = 0;
    std::string fileSystem;
    if (platform_.getVolumeInformation(root, serial, fileSystem)) {
        c_.Memo9.setText(serialText(serial));
        c_.Memo10.setText(fileSystem);
    } else {
        c_.Memo9.setText("");
        c_.Memo10.setText("");
    }

    Button1Click();
}

std::string DiskPage::sizeText(double megabytes) const {
    if (megabytes >= 1024.0)
        return present::formatMask(static_cast<long double>(megabytes) / 1024.0L, present::Mask::Gigabytes, separators_);
    return present::formatMask(megabytes, present::Mask::Megabytes, separators_);
}

void DiskPage::Button1Click() {
    namespace colours = present::colours;
    c_.Label2.show();
    c_.Label3.show();
    c_.Label4.show();
    c_.Label12.show();

    c_.Memo1.setFontColour(colours::yellow);
    c_.Memo2.setFontColour(colours::red);
    c_.Memo3.setFontColour(colours::lime);

    std::int64_t totalBytes = platform_.diskSize(driveNumber_);
    std::int64_t freeBytes = platform_.diskFree(driveNumber_);
    double totalMb = static_cast<double>(totalBytes) / kMegabyte;
    double usedMb = static_cast<double>(totalBytes - freeBytes) / kMegabyte;
    double freeMb = static_cast<double>(freeBytes) / kMegabyte;

    std::int32_t percent = present::percentage(usedMb, totalMb);
    c_.Label20.setFontColour(present::usageColour(percent));
    c_.Gauge5.setForeColour(colours::red);
    c_.Gauge5.setBackColour(colours::lime);
    c_.Gauge5.setProgress(percent);
    c_.Label20.setText(present::percentText(percent));

    c_.Memo1.setText(sizeText(totalMb));
    c_.Memo2.setText(sizeText(usedMb));
    c_.Memo3.setText(sizeText(freeMb));
}

}  // namespace pages
