// The report taken from the command line: no window, the readings a window
// would have after its start-up and a clock measurement, into a file.
#pragma once

#include <string>

#include "platform/platform.h"

namespace app {

// Takes the report (about four seconds of them the clock's measurement) and
// writes it whole into the file, or leaves the file as it was. Nothing else
// is written anywhere, and a drive without a medium brings up no prompt:
// there is no window to answer one. The exit code: kReportWritten, or
// kReportNotWritten when the file could not be written.
int writeReport(platform::Platform& platform, const std::string& file);

}  // namespace app
