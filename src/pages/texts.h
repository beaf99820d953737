// Texts the pages write into their controls, in the system code page.
#pragma once

namespace texts {

// disk page
inline constexpr const char* kDiskIntro1 = "ハードディスク等";
inline constexpr const char* kDiskIntro2 = " の使用状況を、";
inline constexpr const char* kDiskIntro3 = " 大まかに表示。";

// user page: the status line M1
inline constexpr const char* kViewing = "登録情報を表示中です\r\n変更は登録変更ボタン";
inline constexpr const char* kRestartPending = " 新ＰＣ名は再起動後\r\n『有効』になります";
inline constexpr const char* kEditing = "新データに変更する場合\r\n登録ボタンをクリック";
inline constexpr const char* kUnknownComputerName = "???";

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
