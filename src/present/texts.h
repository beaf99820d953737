// Every text the program shows or writes, in one place and in both its
// languages: the application's title and caption, what the pages put into
// their controls, the fonts' faces, its messages, its usage and the words of
// its report. Japanese on a system whose ANSI code page is 932 (Shift-JIS),
// exactly as the window was drawn for; plain ASCII English on every other,
// written short enough for the same boxes. The sources are UTF-8; the
// compiler makes the Japanese texts Shift-JIS.
#pragma once

#include <string>

namespace texts {

enum class Language { Japanese, English };

// The language of every text, chosen once at start-up from the system's
// ANSI code page: Japanese for 932, English for any other.
void choose(unsigned ansiCodePage);
Language language();

// A text in both languages; it reads as the chosen language's bytes.
class Text {
public:
    // A text the same in both languages (a name, a unit, a placeholder).
    constexpr Text(const char* both) : japanese_(both), english_(both) {}
    constexpr Text(const char* japanese, const char* english) : japanese_(japanese), english_(english) {}
    operator const char*() const { return get(); }
    operator std::string() const { return get(); }
    const char* get() const { return language() == Language::Japanese ? japanese_ : english_; }
    std::string str() const { return get(); }

private:
    const char* japanese_;
    const char* english_;
};

// Texts join with each other and with strings as strings do.
inline std::string operator+(const Text& a, const std::string& b) { return a.str() + b; }
inline std::string operator+(const std::string& a, const Text& b) { return a + b.get(); }
inline std::string operator+(const Text& a, const Text& b) { return a.str() + b.get(); }
inline std::string operator+(const Text& a, const char* b) { return a.str() + b; }
inline std::string operator+(const char* a, const Text& b) { return std::string(a) + b.get(); }
inline bool operator==(const std::string& a, const Text& b) { return a == b.get(); }

// The application title: the taskbar entry and every message box's caption.
inline constexpr Text kApplicationTitle = "Velnor(Win9x)";
// The program's name, where a file is named after it.
inline constexpr Text kApplicationName = "Velnor";
// The main window's caption. In Japanese: one ideographic space first, six
// blanks before "Ver", two ideographic spaces before "Tollen", two blanks at
// the end.
inline constexpr Text kCaption{"　Velnor(Win9x)      Ver 1.2　　Tollen  ", " Velnor(Win9x)      Ver 1.2  Tollen  "};

// The executable's file version, as its version information gives it.
inline constexpr Text kFileVersion = "1.2.3.1";

// The tab captions.
inline constexpr Text kDiskTab{"ディスク", "Disk"};
inline constexpr Text kMemoryTab{"メモリ", "Memory"};
inline constexpr Text kCpuTab = "CPU";
inline constexpr Text kResourcesTab{"リソース 残量", "Resources"};
inline constexpr Text kBiosTab = "BIOS";
inline constexpr Text kDisplayTab{"画面", "Display"};
inline constexpr Text kUserTab{"ユーザー 情報", "User"};

// The captions of the pages' figures. The disk and memory pages share the
// four of a used share; the CPU page's load is captioned as a share too in
// Japanese, as a load in English.
inline constexpr Text kTotalCaption{"全容量", "Total"};
inline constexpr Text kUsedCaption{"使用量", "Used"};
inline constexpr Text kFreeCaption{"空容量", "Free"};
inline constexpr Text kShareCaption{"使用率", "Usage"};
inline constexpr Text kLoadCaption{"使用率", "Load"};
inline constexpr Text kFileSystemCaption{"ファイルシステム", "File system"};
inline constexpr Text kSerialCaption{"シリアル番号", "Serial no."};
inline constexpr Text kClockCaption{"周波数", "Clock"};
inline constexpr Text kProcessorNameCaption = "Name";
inline constexpr Text kVendorCaption = "Vendor";
inline constexpr Text kSystemHeapCaption{"システム", "System"};
inline constexpr Text kGdiHeapCaption = " G D I";
inline constexpr Text kUserHeapCaption = " USER";
inline constexpr Text kOwnerCaption{"使用者", "Owner"};
inline constexpr Text kOrganisationCaption{"会社名", "Org."};
inline constexpr Text kComputerNameCaption{"ＰＣ名", "PC"};

// The program's own messages, each in a modal box under the application title.
inline constexpr Text kCannotChangeComputerName{"コンピュータ名を変更できません。",
                                                "The computer name cannot be changed."};
inline constexpr Text kCannotChangeOwner{"所有者名と組織名を変更できません。",
                                         "The owner and organisation cannot be changed."};

// The faces of the window's fonts: the Japanese Windows faces, and in
// English faces every Windows from 95 on has.
inline constexpr Text kPGothicFace{"ＭＳ Ｐゴシック", "Arial"};
inline constexpr Text kPMinchoFace{"ＭＳ Ｐ明朝", "Times New Roman"};
inline constexpr Text kGothicFace{"ＭＳ ゴシック", "Courier New"};

// The units the number masks end with.
inline constexpr Text kMegabytesUnit = " MB";
inline constexpr Text kGigabytesUnit = " GB";
inline constexpr Text kGigahertzUnit = " GHz";
inline constexpr Text kMegahertzUnit = " MHz";

// What the layout shows before the pages put their own texts in: a share
// before its first figure, the disk and memory pages' three boxes, the
// display page's title, the captions of the round push panels, and those of
// two buttons that are never shown.
inline constexpr Text kShareAtDesign = "100%";
inline constexpr Text kDiskIntroAtDesign{"ハードディスク等\r\n\r\n", "Disk drives\r\n\r\n"};
inline constexpr Text kMemoryIntroAtDesign{"メイン・メモリー", "Main memory"};
inline constexpr Text kUsageIntro2AtDesign{"の使用状況を、", "their usage"};
inline constexpr Text kUsageIntro3AtDesign{"大まかに表示。", "at a glance."};
inline constexpr Text kDisplayTitle{"　　　　　　ディスプレイ（画面）情報", "          Display (screen) information"};
inline constexpr Text kMeasureButton{"クロック 計測", "Measure clock"};
inline constexpr Text kRegisterButton{"登　録", "Register"};
inline constexpr Text kCancelButton{"キャンセル", "Cancel"};
inline constexpr Text kChangeButton{"登録変更", "Change"};
inline constexpr Text kMemoryButton{"メモリの状況を表示", "Show memory usage"};
inline constexpr Text kResourcesButton{"表示", "Show"};

// Disk page: the three size boxes while a drive answers.
inline constexpr Text kDiskIntro1{"ハードディスク等", "Disk drives"};
inline constexpr Text kDiskIntro2{" の使用状況を、", " their usage"};
inline constexpr Text kDiskIntro3{" 大まかに表示。", " at a glance."};

// CPU page: the clock box before a measurement and while one is pending.
inline constexpr Text kClockIdle{"CPUクロック   ", "CPU clock   "};
inline constexpr Text kClockMeasuring{" 只今・・・計測中！", " Measuring now!"};

// User page: the status line M1, and the computer name that could not be read.
inline constexpr Text kViewing{"登録情報を表示中です\r\n変更は登録変更ボタン", "Registration shown\r\nTo change: Change"};
inline constexpr Text kRestartPending{" 新ＰＣ名は再起動後\r\n『有効』になります", " New PC name takes\r\neffect after restart"};
inline constexpr Text kEditing{"新データに変更する場合\r\n登録ボタンをクリック", "To use the new data\r\nclick Register"};
inline constexpr Text kUnknownComputerName = "???";

// BIOS page: the title line, and what stands before the driver's version.
inline constexpr Text kBiosTitle{"           メインボード　バイオス情報", "           Main board BIOS information"};
inline constexpr Text kDriverVersionPrefix = "Ver ";

// Display page: four labels of 15 bytes each, so that in the fixed-pitch font
// every value starts in the sixteenth column, and the units after the values.
inline constexpr Text kModeNumberLabel{"   モード番号  ", "   Mode number "};
inline constexpr Text kScreenSizeLabel{"   画面サイズ  ", "   Screen size "};
inline constexpr Text kColourCountLabel{"   色数　　　  ", "   Colours     "};
inline constexpr Text kColourDepthLabel{"   色ビット数  ", "   Colour bits "};
inline constexpr Text kSizeSeparator = " x ";
inline constexpr Text kColourCountUnit{" 色", " colours"};
inline constexpr Text kColourDepthUnit = " Bit";

// A share as a page shows it: the number, then these.
inline constexpr Text kPercentUnit = " %";

// The window menu's commands that put the report on the clipboard and into
// a file. Their letters are ones no other item of the window menu has:
// Close has C.
inline constexpr Text kCopyReport{"情報をコピー(&I)", "Copy &information"};
inline constexpr Text kSaveReport{"情報をファイルに保存(&F)...", "Save information to a &file..."};
// The Save As dialog's kinds of file, each a name and a pattern, the list
// ended by an empty name.
inline constexpr Text kSaveFilter{"テキスト ファイル (*.txt)\0*.txt\0すべてのファイル (*.*)\0*.*\0",
                                  "Text files (*.txt)\0*.txt\0All files (*.*)\0*.*\0"};
inline constexpr Text kSaveExtension = "txt";
// A report that could not be saved: this, then the system's own reason.
inline constexpr Text kCannotSaveReport{"情報をファイルに保存できません。", "The information cannot be saved to the file."};

// The usage, shown for /? in a message box.
inline constexpr Text kUsage{
    "velnor\t\tウィンドウを開きます。\r\n"
    "velnor /report ファイル\t全ページの情報をファイルに書きます。\r\n"
    "velnor /report フォルダ\\\tフォルダに <コンピュータ名>.txt を書きます。\r\n"
    "velnor /csv ファイル\t1 台分の行を CSV ファイルに追記します\r\n"
    "\t\t(ファイルが空なら見出しの行から)。\r\n"
    "velnor /?\t\tこの説明を表示します。\r\n"
    "\r\n"
    "終了コード: 0 書けた、1 書けなかった、2 コマンドラインの誤り",
    "velnor\t\tOpens the window.\r\n"
    "velnor /report FILE\tWrites every page's information into FILE.\r\n"
    "velnor /report FOLDER\\\tWrites FOLDER\\<computer name>.txt.\r\n"
    "velnor /csv FILE\tAppends this PC's row to the table FILE\r\n"
    "\t\t(the header row first where it is empty).\r\n"
    "velnor /?\t\tShows this.\r\n"
    "\r\n"
    "Exit codes: 0 written, 1 not written, 2 a wrong command line"};

// The report: its first line is the application title and the file
// version; then when it was taken, on which Windows of which kind; then one
// section per page under the page's tab caption, with the page's own
// captions. A figure a page has not taken yet is not measured; a list
// without entries (no drive ready, no mode, no BIOS line) says so.
inline constexpr Text kReportVersion = " Ver ";
inline constexpr Text kReportTaken{"作成日時", "Created"};
inline constexpr Text kReportWindows = "Windows";
inline constexpr Text kWindows9x = "Windows 9x";
inline constexpr Text kWindowsNt = "Windows NT";
inline constexpr Text kOtherPlatform{"その他", "other"};
inline constexpr Text kUnknown{"不明", "unknown"};
inline constexpr Text kNotMeasured{"未計測", "not measured"};
inline constexpr Text kNoEntries{"なし", "none"};
// A computer name that waits for the next start of the system.
inline constexpr Text kPendingComputerName{"新ＰＣ名", "New PC name"};

}  // namespace texts
