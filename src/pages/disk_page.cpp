// The disk page's two operations.
#include "pages/disk_page.h"

#include "present/colours.h"
#include "present/percent.h"
#include "present/texts.h"
#include "ui/form.h"

namespace pages {
namespace {

constexpr double kMegabyte = 1048576.0;

}  // namespace

std::string serialText(std::uint32_t serial) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text(8, '0');
    for (int i = 7; i >= 0; --i, serial >>= 4) text[static_cast<std::size_t>(i)] = digits[serial & 0xF];
    return text;
}

DiskPage::DiskPage(const DiskControls& controls, platform::Platform& platform, present::Separators separators)
    : c_(controls), platform_(platform), separators_(separators) {}

void DiskPage::driveChanged() {
    namespace colours = present::colours;
    const UsageControls& usage = c_.usage;
    usage.totalCaption.hide();
    usage.usedCaption.hide();
    usage.freeCaption.hide();
    usage.shareCaption.hide();
    usage.pie.setShowText(false);

    usage.total.setFontColour(colours::white);
    usage.used.setFontColour(colours::white);
    usage.free.setFontColour(colours::white);
    usage.total.setText(texts::kDiskIntro1);
    usage.used.setText(texts::kDiskIntro2);
    usage.free.setText(texts::kDiskIntro3);

    usage.pie.setProgress(0);
    usage.pie.setBackColour(colours::blue);
    // The waiting state shows while the drive answers, which takes seconds for a floppy disk.
    usage.pie.form().paintNow();

    char letter = c_.DriveComboBox1.drive();
    for (int k = 1; k <= 26; ++k) {
        if (letter == static_cast<char>('a' + k - 1)) driveNumber_ = k;
    }
    reading_.reset();
    chosen_ = DriveReading{};
    chosen_.letter = letter;

    // The volume query's failure is not reported; the boxes then show nothing
    // rather than what an earlier drive had.
    std::string root = letter != 0 ? std::string(1, letter) + ":\\" : std::string(":\\");
    Volume volume;
    if (platform_.getVolumeInformation(root, volume.serial, volume.fileSystem)) {
        c_.Memo9.setText(serialText(volume.serial));
        c_.Memo10.setText(volume.fileSystem);
        chosen_.volume = volume;
    } else {
        c_.Memo9.setText("");
        c_.Memo10.setText("");
    }

    refreshSpace();
}

bool isReady(const DriveReading& drive) {
    return drive.totalBytes >= 0 && drive.freeBytes >= 0;
}

DriveReading readDrive(platform::Platform& platform, char letter) {
    DriveReading drive;
    drive.letter = letter;
    Volume volume;
    if (platform.getVolumeInformation(std::string(1, letter) + ":\\", volume.serial, volume.fileSystem))
        drive.volume = volume;
    int number = letter - 'a' + 1;
    drive.totalBytes = platform.diskSize(number);
    drive.freeBytes = platform.diskFree(number);
    return drive;
}

UsageFigures diskUsage(std::int64_t totalBytes, std::int64_t freeBytes, present::Separators separators) {
    auto sizeText = [&](double megabytes) {
        if (megabytes >= 1024.0)
            return present::formatMask(static_cast<long double>(megabytes) / 1024.0L, present::Mask::Gigabytes,
                                       separators);
        return present::formatMask(megabytes, present::Mask::Megabytes, separators);
    };
    double totalMb = static_cast<double>(totalBytes) / kMegabyte;
    double usedMb = static_cast<double>(totalBytes - freeBytes) / kMegabyte;
    double freeMb = static_cast<double>(freeBytes) / kMegabyte;
    return {sizeText(totalMb), sizeText(usedMb), sizeText(freeMb), present::percentage(usedMb, totalMb)};
}

void DiskPage::refreshSpace() {
    std::int64_t totalBytes = platform_.diskSize(driveNumber_);
    std::int64_t freeBytes = platform_.diskFree(driveNumber_);
    showUsage(c_.usage, diskUsage(totalBytes, freeBytes, separators_));
    chosen_.totalBytes = totalBytes;
    chosen_.freeBytes = freeBytes;
    reading_ = chosen_;
}

}  // namespace pages
