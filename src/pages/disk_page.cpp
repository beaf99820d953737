// The disk page's two operations.
#include "pages/disk_page.h"

#include "pages/control_ids.h"
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

DiskControls DiskControls::bind(ui::Form& form) {
    return {form.get<ui::DriveBox>(ids::DriveComboBox1),
            {form.get<ui::Label>(ids::Label2), form.get<ui::Label>(ids::Label3), form.get<ui::Label>(ids::Label4),
             form.get<ui::Label>(ids::Label12), form.get<ui::TextBox>(ids::Memo1), form.get<ui::TextBox>(ids::Memo2),
             form.get<ui::TextBox>(ids::Memo3), form.get<ui::Label>(ids::Label20), form.get<ui::Gauge>(ids::Gauge5)},
            form.get<ui::TextBox>(ids::Memo9),
            form.get<ui::TextBox>(ids::Memo10),
            form.get<ui::Button>(ids::Button1)};
}

std::vector<DriveEntry> listDrives(platform::Platform& platform) {
    std::vector<DriveEntry> drives;
    std::uint32_t present = platform.logicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(present & (std::uint32_t{1} << i))) continue;
        DriveEntry drive{static_cast<char>('a' + i), {}};
        std::string root = std::string(1, drive.letter) + ":\\";
        platform::DriveType type = platform.driveType(root);
        platform::VolumeInfo volume;
        if ((type == platform::DriveType::Fixed || type == platform::DriveType::RamDisk) &&
            platform.getVolumeInformation(root, volume))
            drive.label = volume.label;
        drives.push_back(std::move(drive));
    }
    return drives;
}

std::string driveEntryText(const DriveEntry& drive) {
    std::string text = std::string(1, drive.letter) + ":";
    if (!drive.label.empty()) text += " [" + drive.label + "]";
    return text;
}

char currentDrive(platform::Platform& platform) {
    std::string path = platform.currentDirectory();
    if (path.size() < 2 || path[1] != ':') return 0;
    char letter = path[0];
    if (letter >= 'A' && letter <= 'Z') return static_cast<char>(letter - 'A' + 'a');
    return letter >= 'a' && letter <= 'z' ? letter : 0;
}

DiskPage::DiskPage(ui::Form& form, platform::Platform& platform, present::Separators separators)
    : c_(DiskControls::bind(form)), platform_(platform), separators_(separators) {
    c_.driveBox.onFirstShow = [this] { showDrives(); };
    c_.driveBox.onChange = [this] { driveChanged(); };
    c_.refreshButton.onClick = [this] { refreshSpace(); };
}

void DiskPage::showDrives() {
    drives_ = listDrives(platform_);
    std::vector<ui::DriveBox::Item> items;
    for (const DriveEntry& drive : drives_) items.push_back({drive.letter, driveEntryText(drive)});
    c_.driveBox.setItems(std::move(items));
    c_.driveBox.select(currentDrive(platform_));
}

void DiskPage::driveChanged() {
    namespace colours = present::colours;
    const UsageControls& usage = c_.usage;
    usage.totalCaption.hide();
    usage.usedCaption.hide();
    usage.freeCaption.hide();
    usage.shareCaption.hide();
    c_.usage.pie.setShowText(false);

    usage.total.setFontColour(colours::white);
    usage.used.setFontColour(colours::white);
    usage.free.setFontColour(colours::white);
    usage.total.setText(texts::kDiskIntro1);
    usage.used.setText(texts::kDiskIntro2);
    usage.free.setText(texts::kDiskIntro3);

    c_.usage.pie.setProgress(0);
    c_.usage.pie.setBackColour(colours::blue);
    // The waiting state shows while the drive answers, which takes seconds for a floppy disk.
    usage.pie.form().paintNow();

    char letter = c_.driveBox.drive();
    for (int k = 1; k <= 26; ++k) {
        if (letter == static_cast<char>('a' + k - 1)) driveNumber_ = k;
    }
    reading_.reset();
    chosen_ = DriveReading{};
    chosen_.letter = letter;
    readVolume();
    refreshSpace();
}

void DiskPage::refresh() {
    if (!reading_) return;
    readVolume();
    refreshSpace();
}

// The volume query's failure is not reported; the boxes then show nothing
// rather than what an earlier drive had.
void DiskPage::readVolume() {
    char letter = chosen_.letter;
    chosen_.volume.reset();
    std::string root = letter != 0 ? std::string(1, letter) + ":\\" : std::string(":\\");
    platform::VolumeInfo volume;
    if (platform_.getVolumeInformation(root, volume)) {
        c_.serialBox.setText(serialText(volume.serial));
        c_.fileSystemBox.setText(volume.fileSystem);
        chosen_.volume = volume;
    } else {
        c_.serialBox.setText("");
        c_.fileSystemBox.setText("");
    }
}

bool isReady(const DriveReading& drive) {
    return drive.totalBytes >= 0 && drive.freeBytes >= 0;
}

DriveReading readDrive(platform::Platform& platform, char letter) {
    DriveReading drive;
    drive.letter = letter;
    platform::VolumeInfo volume;
    if (platform.getVolumeInformation(std::string(1, letter) + ":\\", volume))
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
