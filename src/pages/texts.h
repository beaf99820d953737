// Texts the pages write into their controls, in the system code page.
#pragma once

namespace texts {

// disk page
inline constexpr const char* kDiskIntro1 = "ハードディスク等";
inline constexpr const char* kDiskIntro2 = " の使用状況を、";
inline constexpr const char* kDiskIntro3 = " 大まかに表示。";

// BIOS page
inline constexpr const char* kBiosTitle = "           メインボード　バイオス情報";

// display page: four labels of 15 bytes each, so that in the fixed-pitch font
// every value starts in the sixteenth column
inline constexpr const char* kModeNumberLabel = "   モード番号  ";
inline constexpr const char* kScreenSizeLabel = "   画面サイズ  ";
inline constexpr const char* kColourCountLabel = "   色数　　　  ";
inline constexpr const char* kColourDepthLabel = "   色ビット数  ";
inline constexpr const char* kColourCountUnit = " 色";

}  // namespace texts
