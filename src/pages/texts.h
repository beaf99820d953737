// Texts the pages write into their controls, in the system code page.
#pragma once

namespace texts {

// disk page
inline constexpr const char* kDiskIntro1 = "ハードディスク等";
inline constexpr const char* kDiskIntro2 = " の使用状況を、";
inline constexpr const char* kDiskIntro3 = " 大まかに表示。";

// BIOS page
inline constexpr const char* kBiosTitle = "           メインボード　バイオス情報";

}  // namespace texts
