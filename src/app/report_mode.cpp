// The report mode.
#include "app/report_mode.h"

#include "app/command_line.h"
#include "app/main_window.h"
#include "platform/quiet_drives.h"

namespace app {

int writeReport(platform::Platform& platform, const std::string& file) {
    // Also for the file's own drive: a floppy without a disk fails the write.
    platform::QuietDrives quiet(platform);
    MainWindow window(platform);
    window.takeReadingsForReport();
    return platform.replaceFile(file, window.report()) ? kReportWritten : kReportNotWritten;
}

}  // namespace app
