// The main window's model: its own properties, every control built from the
// layout tables, the timers, and the services the handlers use.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "base/error.h"
#include "ui/control.h"
#include "ui/drive_box.h"
#include "ui/gauge.h"
#include "ui/page_control.h"
#include "ui/peer.h"
#include "ui/timer.h"

namespace ui {

// A command of the window menu (the system menu under the title bar's
// icon). Its ID is the system command the menu sends: below 0xF000, the
// system's own, with the low four bits clear, which the system uses itself.
struct WindowMenuCommand {
    int id;
    texts::Text text;
    Handler onChoose;
};

// A timer of the window: its ID (the back end's timer ID), its interval in
// milliseconds, and whether it runs from the start.
struct TimerSpec {
    int id;
    unsigned interval;
    bool enabled;
};

struct FormSpec {
    texts::Text caption = "";
    texts::Text title = "";  // the application title: taskbar text and message box caption
    Size clientSize{};
    int left = 0;
    int top = 0;
    FontSpec font{};
    present::Colour colour = present::colours::buttonFace;
    std::span<const TimerSpec> timers{};
};

class Form {
public:
    // Builds the controls of each layout table in turn.
    explicit Form(const FormSpec& spec, std::span<const std::span<const ControlSpec>> tables = {});
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Builds the controls of a layout table; parents come before their children.
    void build(std::span<const ControlSpec> table);
    Timer& addTimer(int id, unsigned interval, bool enabled);
    // The timer of an ID; a program without it is broken.
    Timer& timer(int id) const;
    // A command of the window menu; the back end shows the commands before
    // the menu's Close item, in the order they were added.
    void addWindowMenuCommand(int id, texts::Text text, Handler onChoose);
    const std::vector<WindowMenuCommand>& windowMenuCommands() const { return menuCommands_; }
    // The back end reports a command chosen from the window menu: true when
    // it is one of the form's (its handler has run).
    bool chooseWindowMenuCommand(int id);

    Control* find(int id) const;
    template <class T>
    T& get(int id) const {
        Control* c = find(id);
        if (c == nullptr) base::fail("no control with this ID");
        return static_cast<T&>(*c);
    }
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }

    const char* caption() const { return caption_; }
    const char* title() const { return title_; }
    Size clientSize() const { return clientSize_; }
    const FontSpec& font() const { return font_; }
    present::Colour colour() const { return colour_; }
    int left() const { return left_; }
    int top() const { return top_; }
    void setTop(int top);
    void setLeft(int left);
    // The window's outer size, frame and title bar included.
    Size outerSize() const;

    Control* focused() const { return focused_; }
    void focusChanged(Control* control) { focused_ = control; }
    // Where the focus goes when the control holding it stops showing (its
    // page or a panel it lies on was hidden): the page control, as a click
    // on a tab leaves it. The focus never stays on a control nobody sees.
    void setFocusHome(Control& home) { focusHome_ = &home; }
    void focusLeftIfHidden();

    // A modal message box with the application title as caption. This and
    // the three below go to the back end; without one they do nothing.
    void showMessage(const std::string& text);
    // Hides the GUI thread's caret.
    void hideCaret();
    // Shows what the handler has changed so far, before it goes on with a
    // step that may block (a drive that takes seconds to answer).
    void paintNow();
    // Puts a text on the clipboard.
    void copyText(const std::string& text);
    // Asks where to save a file (the system's Save As dialog); none when the
    // user cancels, or where there is no window to ask in.
    std::optional<std::string> askSavePath(const std::string& suggestedName);
    // Runs an event handler as the message loop does. Nothing a handler
    // calls raises: the registry's errors are results its readers test, and
    // a fault of the program ends it (base::fail).
    void dispatch(const Handler& handler);

    void attach(FormPeer* peer) { peer_ = peer; }
    FormPeer* peer() const { return peer_; }

private:
    texts::Text caption_;
    texts::Text title_;
    Size clientSize_;
    FontSpec font_;
    present::Colour colour_;
    int left_;
    int top_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<Timer>> timers_;
    std::vector<WindowMenuCommand> menuCommands_;
    Control* focused_ = nullptr;
    Control* focusHome_ = nullptr;
    FormPeer* peer_ = nullptr;
};

}  // namespace ui
