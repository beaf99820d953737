// What the model asks of a back end that gives its controls real windows.
#pragma once

#include <optional>
#include <string>

#include "ui/geometry.h"

namespace ui {

class Control;

enum class Property {
    Text,
    Visible,
    Bounds,
    Colour,
    FontColour,
    Progress,     // gauges: the share shown
    GaugeLook,    // gauges: colours, text, kind, border
    ActivePage,   // page controls
    Items,        // drive boxes: the list and its selection
    Region,       // panels: the elliptic outline
    MaxLength,    // text boxes: the most bytes the user may type
};

class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    // The model's property changed to a value different from before.
    virtual void update(Property property) = 0;
    virtual void focus() = 0;
    // A child without a window of its own was shown. A back end that makes
    // every window at once has nothing to do.
    virtual void childShown(Control& child) { static_cast<void>(child); }
};

class TimerPeer {
public:
    virtual ~TimerPeer() = default;
    virtual void update() = 0;  // enabled or interval changed
};

class FormPeer {
public:
    virtual ~FormPeer() = default;
    virtual void updatePosition() = 0;
    virtual Size outerSize() const = 0;
    // Modal: returns when the user has closed the box; the box's own loop
    // goes on dispatching timer and paint messages meanwhile.
    virtual void showMessage(const std::string& text) = 0;
    virtual void hideCaret() = 0;
    // Paints every window that waits for painting, before the handler goes on.
    virtual void paintNow() = 0;
    // Puts a text in the system code page on the clipboard, in place of
    // what it held.
    virtual void copyText(const std::string& text) = 0;
    // The system's Save As dialog with a suggested file name: the path the
    // user chose, or none when the dialog was cancelled.
    virtual std::optional<std::string> askSavePath(const std::string& suggestedName) = 0;
};

}  // namespace ui
