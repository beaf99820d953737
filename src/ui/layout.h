// The layout of a window as data: one row per control, read once when the window is built.
#pragma once

#include <optional>

#include "present/colours.h"
#include "present/gauge_rules.h"
#include "present/texts.h"
#include "ui/font.h"
#include "ui/geometry.h"

namespace ui {

enum class ControlKind {
    PageControl,
    TabPage,
    Panel,
    Label,
    TextBox,
    Gauge,
    DriveBox,
    Button,
};

enum class Align { Left, Right, Center };
enum class Cursor { Default, Arrow, Hand };

struct GaugeSpec {
    present::GaugeKind kind = present::GaugeKind::Pie;
    present::Colour fore = present::colours::red;
    present::Colour back = present::colours::navy;
    bool singleBorder = false;
    bool showText = false;
    // Minimum and maximum; every gauge of the window keeps 0 to 100.
    present::GaugeRange range{};
};

struct ControlSpec {
    int id = 0;
    ControlKind kind = ControlKind::Panel;
    int parent = 0;  // the parent's control ID; 0 for the window itself
    Rect bounds{};
    texts::Text text = "";  // caption, design text or tab caption (system code page)
    FontSpec font{};
    std::optional<present::Colour> colour{};  // none: the parent's colour
    bool hidden = false;
    int tabOrder = 0;

    // panels
    bool singleBorder = false;
    bool showCaption = false;
    // A panel used as a push button: a tab stop that shows when it holds the
    // focus, pressed by the Space or Enter key as by the mouse.
    bool pushButton = false;
    // While shown, Tab and Shift+Tab go round the tab stops inside it only,
    // as in a dialog: it lies over controls that are not part of what it asks.
    bool keepsTabInside = false;
    // text boxes
    bool multiline = false;
    bool readOnly = false;
    bool wordWrap = true;
    Align align = Align::Left;
    // labels, text boxes, panels
    Cursor cursor = Cursor::Default;
    bool popupMenu = false;    // the empty context menu
    bool hidesCaret = false;   // the caret-hiding mouse-down event
    // gauges
    GaugeSpec gauge{};
};

}  // namespace ui
