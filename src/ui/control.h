// The control model: a control holds its properties and raises its events; a
// back end, where there is one, gives it a window and is told of every change.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "present/colours.h"
#include "ui/font.h"
#include "ui/layout.h"
#include "ui/peer.h"

namespace ui {

class Form;

enum class MouseButton { Left, Right, Middle };

using Handler = std::function<void()>;
using MouseHandler = std::function<void(MouseButton)>;

class Control {
public:
    Control(Form& form, const ControlSpec& spec, Control* parent);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int id() const { return id_; }
    ControlKind kind() const { return kind_; }
    Form& form() const { return form_; }
    Control* parent() const { return parent_; }
    const std::vector<Control*>& children() const { return children_; }
    int tabOrder() const { return tabOrder_; }

    const Rect& bounds() const { return bounds_; }
    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }
    void setBounds(const Rect& bounds);
    void setLeft(int left);
    void setTop(int top);

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    // Visible, and so is everything it lies on (a tab page only while it is the active page).
    virtual bool showing() const;

    const std::string& text() const { return text_; }
    // A new text raises the change event; the same text raises nothing.
    void setText(const std::string& text);
    // The back end reports what the user typed; nothing goes back to the window.
    void textEdited(const std::string& text);

    present::Colour colour() const { return colour_; }
    void setColour(present::Colour colour);
    const FontSpec& font() const { return font_; }
    present::Colour fontColour() const { return font_.colour; }
    void setFontColour(present::Colour colour);

    Cursor cursor() const { return cursor_; }
    bool hasPopupMenu() const { return popupMenu_; }
    bool hidesCaret() const { return hidesCaret_; }

    bool canFocus() const { return showing(); }
    // Gives the input focus; a control that is not showing cannot take it and stays as it is.
    void setFocus();
    bool focused() const;

    // Whether the control is this one or lies on it, at any depth.
    bool contains(const Control* other) const;

    // The framework's programmatic click: runs the click event.
    void click();

    Handler onClick;
    Handler onChange;
    MouseHandler onMouseDown;
    MouseHandler onMouseUp;
    // The Enter and Esc keys where the control has no use of its own for them
    // (a push button presses itself with Enter instead).
    Handler onEnter;
    Handler onEscape;

    void attach(ControlPeer* peer) { peer_ = peer; }
    ControlPeer* peer() const { return peer_; }

protected:
    void notify(Property property);

private:
    Form& form_;
    int id_;
    ControlKind kind_;
    Control* parent_;
    std::vector<Control*> children_;
    int tabOrder_;
    Rect bounds_;
    bool visible_;
    std::string text_;
    present::Colour colour_;
    FontSpec font_;
    Cursor cursor_;
    bool popupMenu_;
    bool hidesCaret_;
    ControlPeer* peer_ = nullptr;
};

// A panel: a coloured area, optionally with a single border, a caption and an
// elliptic outline; it takes the focus without drawing a focus mark.
class Panel : public Control {
public:
    Panel(Form& form, const ControlSpec& spec, Control* parent);
    bool singleBorder() const { return singleBorder_; }
    bool showsCaption() const { return showCaption_; }
    bool isPushButton() const { return pushButton_; }
    bool keepsTabInside() const { return keepsTabInside_; }
    bool elliptic() const { return elliptic_; }
    // Clips the panel to the ellipse inside its bounds, for painting and for the mouse.
    void setEllipticOutline();

    // What holds a push panel down: the left mouse button or a key.
    enum class Press { Mouse, Key };
    // A press and its release, as the window system reports them. The panel
    // is held from the press until the release of the same kind, or until
    // the press is lost (a message box opens, another window is activated,
    // the focus leaves while a key holds it): either way the press is undone
    // exactly once, by the release event. A release inside the panel after a
    // press that armed the click runs the click, before the release event; a
    // double click's second press arms none, and a release without a press
    // of its own raises nothing. A press of the other kind while one holds
    // the panel changes nothing.
    void pressed(Press by, bool armsClick);
    void released(Press by, bool inside);
    void pressLost();
    bool held() const { return heldBy_.has_value(); }

    void leftPressed(bool armsClick) { pressed(Press::Mouse, armsClick); }
    void leftReleased(bool inside) { released(Press::Mouse, inside); }
    void leftPressLost() { pressLost(); }

private:
    bool singleBorder_;
    bool showCaption_;
    bool pushButton_;
    bool keepsTabInside_;
    bool elliptic_ = false;
    std::optional<Press> heldBy_;
    bool clickArmed_ = false;
};

class Label : public Control {
public:
    Label(Form& form, const ControlSpec& spec, Control* parent);
    Align alignment() const { return align_; }
    // Where a label shows a text of the given extent: it takes the text's
    // size, at the top of its bounds. A right-aligned text keeps the right
    // edge while it fits the bounds; one wider than them starts at their left
    // edge and grows to the right instead, since a right-aligned figure
    // stands right of its caption and growing to the left would paint over it.
    Rect boundsFor(Size textExtent) const;

private:
    Align align_;
};

// A text box, single-line or multi-line.
class TextBox : public Control {
public:
    TextBox(Form& form, const ControlSpec& spec, Control* parent);
    // The most bytes the user may type or paste into the box, in whole
    // characters; 0 for no limit of the box's own. The program's own texts
    // are not held to it.
    std::size_t maxLength() const { return maxLength_; }
    void setMaxLength(std::size_t bytes);
    bool multiline() const { return multiline_; }
    bool readOnly() const { return readOnly_; }
    bool wordWrap() const { return wordWrap_; }
    Align alignment() const { return align_; }
    // Adds a line the way a memo's line list does: the text ends with a line
    // break after the last line, and a text holding line breaks adds several lines.
    void addLine(const std::string& line);
    // The lines as a line list counts them: a final line break ends the last line.
    std::vector<std::string> lines() const;

private:
    bool multiline_;
    bool readOnly_;
    bool wordWrap_;
    Align align_;
    std::size_t maxLength_ = 0;
};

class Button : public Control {
public:
    using Control::Control;
};

}  // namespace ui
