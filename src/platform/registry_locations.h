// Every registry location the program reads or writes, in one place.
#pragma once

#include "platform/platform.h"

namespace registry {

// The owner and organisation (read and written).
inline constexpr const char* kVersionKey9x = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\";
inline constexpr const char* kVersionKeyNt = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";
inline constexpr const char* kRegisteredOwner = "RegisteredOwner";
inline constexpr const char* kRegisteredOrganization = "RegisteredOrganization";

// The computer name the system takes at its next start, where the system's
// own name-setting keeps it (the same place on Windows 9x and the NT family).
inline constexpr const char* kComputerNameKey = "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName";
inline constexpr const char* kComputerNameValue = "ComputerName";

// The processor's name and vendor.
inline constexpr const char* kProcessorKey = "Hardware\\Description\\System\\CentralProcessor\\0\\";
inline constexpr const char* kProcessorNameValue9x = "Identifier";
inline constexpr const char* kVendorIdentifier = "VendorIdentifier";
inline constexpr const char* kProcessorClassKeyNt =
    "SYSTEM\\ControlSet001\\Control\\Class\\{50127DC3-0F36-415E-A6CC-4CB3BE910B65}\\0000\\";
inline constexpr const char* kProcessorNameValueNt = "DriverDesc";

// The BIOS identification on the NT family.
inline constexpr const char* kSystemKey = "HARDWARE\\DESCRIPTION\\System";
inline constexpr const char* kSystemBiosVersion = "SystemBIOSVersion";
inline constexpr const char* kSystemBiosDate = "SystemBIOSDate";
inline constexpr const char* kSystemDeviceKey =
    "SYSTEM\\ControlSet001\\Control\\Class\\{4D36E97D-E325-11CE-BFC1-08002BE10318}\\0014";
inline constexpr const char* kDriverDesc = "DriverDesc";
inline constexpr const char* kDriverVersion = "DriverVersion";

// The Windows 9x performance statistics under HKEY_DYN_DATA.
inline constexpr const char* kStartStat = "PerfStats\\StartStat";
inline constexpr const char* kStatData = "PerfStats\\StatData";
inline constexpr const char* kStopStat = "PerfStats\\StopStat";
inline constexpr const char* kCpuUsage = "KERNEL\\CPUUsage";

}  // namespace registry
