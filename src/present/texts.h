// Every text the program writes, in one place: the application's title and
// caption, what the pages put into their controls, and its messages. The
// sources are UTF-8; the compiler makes them Shift-JIS, the system code page
// the program's texts are in.
#pragma once

namespace texts {

// The application title: the taskbar entry and every message box's caption.
inline constexpr const char* kApplicationTitle = "Velnor(Win9x)";
// The main window's caption: one ideographic space first, six blanks before
// "Ver", two ideographic spaces before "Tollen", two blanks at the end.
inline constexpr const char* kCaption = "　Velnor(Win9x)      Ver 1.2　　Tollen  ";

// The program's own messages, each in a modal box under the application title.
inline constexpr const char* kCannotChangeComputerName = "コンピュータ名を変更できません。";
inline constexpr const char* kCannotChangeOwner = "所有者名と組織名を変更できません。";

// The registry's two read errors, around the value's name: "'name' のデータ型が不正です".
inline constexpr const char* kInvalidTypeAfterName = "' のデータ型が不正です";
inline constexpr const char* kFetchFailedAfterName = "' の取得に失敗しました";

// Disk page: the three size boxes while a drive answers.
inline constexpr const char* kDiskIntro1 = "ハードディスク等";
inline constexpr const char* kDiskIntro2 = " の使用状況を、";
inline constexpr const char* kDiskIntro3 = " 大まかに表示。";

// CPU page: the clock box before a measurement and while one is pending.
inline constexpr const char* kClockIdle = "CPUクロック   ";
inline constexpr const char* kClockMeasuring = " 只今・・・計測中！";

// User page: the status line M1, and the computer name that could not be read.
inline constexpr const char* kViewing = "登録情報を表示中です\r\n変更は登録変更ボタン";
inline constexpr const char* kRestartPending = " 新ＰＣ名は再起動後\r\n『有効』になります";
inline constexpr const char* kEditing = "新データに変更する場合\r\n登録ボタンをクリック";
inline constexpr const char* kUnknownComputerName = "???";

// BIOS page: the title line, and what stands before the driver's version.
inline constexpr const char* kBiosTitle = "           メインボード　バイオス情報";
inline constexpr const char* kDriverVersionPrefix = "Ver ";

// Display page: four labels of 15 bytes each, so that in the fixed-pitch font
// every value starts in the sixteenth column, and the units after the values.
inline constexpr const char* kModeNumberLabel = "   モード番号  ";
inline constexpr const char* kScreenSizeLabel = "   画面サイズ  ";
inline constexpr const char* kColourCountLabel = "   色数　　　  ";
inline constexpr const char* kColourDepthLabel = "   色ビット数  ";
inline constexpr const char* kSizeSeparator = " x ";
inline constexpr const char* kColourCountUnit = " 色";
inline constexpr const char* kColourDepthUnit = " Bit";

// A share as a page shows it: the number, then these.
inline constexpr const char* kPercentUnit = " %";

}  // namespace texts
