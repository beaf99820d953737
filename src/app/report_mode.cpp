// The report mode.
#include "app/report_mode.h"

#include <vector>

#include "app/command_line.h"
#include "app/main_window.h"
#include "platform/quiet_drives.h"

namespace app {
namespace {

// The drives the system has, as the drive box would list them.
std::vector<char> driveLetters(std::uint32_t drives) {
    std::vector<char> letters;
    for (int i = 0; i < 26; ++i)
        if (drives & (std::uint32_t{1} << i)) letters.push_back(static_cast<char>('a' + i));
    return letters;
}

}  // namespace

int writeReport(platform::Platform& platform, const std::string& file) {
    // Also for the file's own drive: a floppy without a disk fails the write.
    platform::QuietDrives quiet(platform);
    MainWindow window(platform);
    window.takeReadingsForReport();
    std::string text = window.report(driveLetters(platform.logicalDrives()));
    return platform.replaceFile(file, text) ? kReportWritten : kReportNotWritten;
}

}  // namespace app
