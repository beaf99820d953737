// Every text the program writes, in one place: the application's title and
// caption, what the pages put into their controls, its messages and the
// words of its report. The sources are UTF-8; the compiler makes them
// Shift-JIS, the system code page the program's texts are in.
#pragma once

namespace texts {

// The application title: the taskbar entry and every message box's caption.
inline constexpr const char* kApplicationTitle = "Velnor(Win9x)";
// The program's name, where a file is named after it.
inline constexpr const char* kApplicationName = "Velnor";
// The main window's caption: one ideographic space first, six blanks before
// "Ver", two ideographic spaces before "Tollen", two blanks at the end.
inline constexpr const char* kCaption = "　Velnor(Win9x)      Ver 1.2　　Tollen  ";

// The executable's file version, as its version information gives it.
inline constexpr const char* kFileVersion = "1.2.3.1";

// The tab captions.
inline constexpr const char* kDiskTab = "ディスク";
inline constexpr const char* kMemoryTab = "メモリ";
inline constexpr const char* kCpuTab = "CPU";
inline constexpr const char* kResourcesTab = "リソース 残量";
inline constexpr const char* kBiosTab = "BIOS";
inline constexpr const char* kDisplayTab = "画面";
inline constexpr const char* kUserTab = "ユーザー 情報";

// The captions of the pages' figures. The disk and memory pages share the
// four of a used share; the CPU page's load is captioned as a share too.
inline constexpr const char* kTotalCaption = "全容量";
inline constexpr const char* kUsedCaption = "使用量";
inline constexpr const char* kFreeCaption = "空容量";
inline constexpr const char* kShareCaption = "使用率";
inline constexpr const char* kFileSystemCaption = "ファイルシステム";
inline constexpr const char* kSerialCaption = "シリアル番号";
inline constexpr const char* kClockCaption = "周波数";
inline constexpr const char* kProcessorNameCaption = "Name";
inline constexpr const char* kVendorCaption = "Vendor";
inline constexpr const char* kSystemHeapCaption = "システム";
inline constexpr const char* kGdiHeapCaption = " G D I";
inline constexpr const char* kUserHeapCaption = " USER";
inline constexpr const char* kOwnerCaption = "使用者";
inline constexpr const char* kOrganisationCaption = "会社名";
inline constexpr const char* kComputerNameCaption = "ＰＣ名";

// The program's own messages, each in a modal box under the application title.
inline constexpr const char* kCannotChangeComputerName = "コンピュータ名を変更できません。";
inline constexpr const char* kCannotChangeOwner = "所有者名と組織名を変更できません。";

// The faces of the window's fonts, as Japanese Windows names them.
inline constexpr const char* kPGothicFace = "ＭＳ Ｐゴシック";
inline constexpr const char* kPMinchoFace = "ＭＳ Ｐ明朝";
inline constexpr const char* kGothicFace = "ＭＳ ゴシック";

// The units the number masks end with.
inline constexpr const char* kMegabytesUnit = " MB";
inline constexpr const char* kGigabytesUnit = " GB";
inline constexpr const char* kGigahertzUnit = " GHz";
inline constexpr const char* kMegahertzUnit = " MHz";

// What the layout shows before the pages put their own texts in: a share
// before its first figure, the disk and memory pages' three boxes, the
// display page's title, the captions of the round push panels, and those of
// two buttons that are never shown.
inline constexpr const char* kShareAtDesign = "100%";
inline constexpr const char* kDiskIntroAtDesign = "ハードディスク等\r\n\r\n";
inline constexpr const char* kMemoryIntroAtDesign = "メイン・メモリー";
inline constexpr const char* kUsageIntro2AtDesign = "の使用状況を、";
inline constexpr const char* kUsageIntro3AtDesign = "大まかに表示。";
inline constexpr const char* kDisplayTitle = "　　　　　　ディスプレイ（画面）情報";
inline constexpr const char* kMeasureButton = "クロック 計測";
inline constexpr const char* kRegisterButton = "登　録";
inline constexpr const char* kCancelButton = "キャンセル";
inline constexpr const char* kChangeButton = "登録変更";
inline constexpr const char* kMemoryButton = "メモリの状況を表示";
inline constexpr const char* kResourcesButton = "表示";

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

// The window menu's commands that put the report on the clipboard and into
// a file. Their letters are ones no other item of the window menu has:
// Close has C.
inline constexpr const char* kCopyReport = "情報をコピー(&I)";
inline constexpr const char* kSaveReport = "情報をファイルに保存(&F)...";
// The Save As dialog's kinds of file, each a name and a pattern, the list
// ended by an empty name.
inline constexpr const char kSaveFilter[] = "テキスト ファイル (*.txt)\0*.txt\0すべてのファイル (*.*)\0*.*\0";
inline constexpr const char* kSaveExtension = "txt";
// A report that could not be saved: this, then the system's own reason.
inline constexpr const char* kCannotSaveReport = "情報をファイルに保存できません。";

// The usage, shown for /? in a message box.
inline constexpr const char* kUsage =
    "velnor\t\tウィンドウを開きます。\r\n"
    "velnor /report ファイル\t全ページの情報をファイルに書きます。\r\n"
    "velnor /report フォルダ\\\tフォルダに <コンピュータ名>.txt を書きます。\r\n"
    "velnor /csv ファイル\t1 台分の行を CSV ファイルに追記します\r\n"
    "\t\t(ファイルが空なら見出しの行から)。\r\n"
    "velnor /?\t\tこの説明を表示します。\r\n"
    "\r\n"
    "終了コード: 0 書けた、1 書けなかった、2 コマンドラインの誤り";

// The report: its first line is the application title and the file
// version; then when it was taken, on which Windows of which kind; then one
// section per page under the page's tab caption, with the page's own
// captions. A figure a page has not taken yet is not measured; a list
// without entries (no drive ready, no mode, no BIOS line) says so.
inline constexpr const char* kReportVersion = " Ver ";
inline constexpr const char* kReportTaken = "作成日時";
inline constexpr const char* kReportWindows = "Windows";
inline constexpr const char* kWindows9x = "Windows 9x";
inline constexpr const char* kWindowsNt = "Windows NT";
inline constexpr const char* kOtherPlatform = "その他";
inline constexpr const char* kUnknown = "不明";
inline constexpr const char* kNotMeasured = "未計測";
inline constexpr const char* kNoEntries = "なし";
// A computer name that waits for the next start of the system.
inline constexpr const char* kPendingComputerName = "新ＰＣ名";

}  // namespace texts
