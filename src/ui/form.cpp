// The main window's model.
#include "ui/form.h"

#include <utility>

namespace ui {

Form::Form(const FormSpec& spec, std::span<const std::span<const ControlSpec>> tables)
    : caption_(spec.caption),
      title_(spec.title),
      clientSize_(spec.clientSize),
      font_(spec.font),
      colour_(spec.colour),
      left_(spec.left),
      top_(spec.top) {
    for (const TimerSpec& timer : spec.timers) addTimer(timer.id, timer.interval, timer.enabled);
    for (const auto& table : tables) build(table);
}

Form::~Form() = default;

void Form::build(std::span<const ControlSpec> table) {
    for (const ControlSpec& spec : table) {
        if (find(spec.id) != nullptr) base::fail("control ID used twice");
        Control* parent = spec.parent == 0 ? nullptr : find(spec.parent);
        if (spec.parent != 0 && parent == nullptr) base::fail("parent built after its child");
        std::unique_ptr<Control> control;
        switch (spec.kind) {
            case ControlKind::PageControl: control = std::make_unique<PageControl>(*this, spec, parent); break;
            case ControlKind::TabPage: control = std::make_unique<TabPage>(*this, spec, parent); break;
            case ControlKind::Panel: control = std::make_unique<Panel>(*this, spec, parent); break;
            case ControlKind::Label: control = std::make_unique<Label>(*this, spec, parent); break;
            case ControlKind::TextBox: control = std::make_unique<TextBox>(*this, spec, parent); break;
            case ControlKind::Gauge: control = std::make_unique<Gauge>(*this, spec, parent); break;
            case ControlKind::DriveBox: control = std::make_unique<DriveBox>(*this, spec, parent); break;
            case ControlKind::Button: control = std::make_unique<Button>(*this, spec, parent); break;
        }
        controls_.push_back(std::move(control));
    }
}

Timer& Form::addTimer(int id, unsigned interval, bool enabled) {
    timers_.push_back(std::make_unique<Timer>(id, interval, enabled));
    return *timers_.back();
}

void Form::addWindowMenuCommand(int id, texts::Text text, Handler onChoose) {
    if (id <= 0 || id >= 0xF000 || (id & 0xF) != 0) base::fail("not a window menu command's ID");
    menuCommands_.push_back({id, text, std::move(onChoose)});
}

bool Form::chooseWindowMenuCommand(int id) {
    for (const WindowMenuCommand& command : menuCommands_) {
        if (command.id != id) continue;
        dispatch(command.onChoose);
        return true;
    }
    return false;
}

Timer& Form::timer(int id) const {
    for (const auto& timer : timers_)
        if (timer->id() == id) return *timer;
    base::fail("no timer with this ID");
}

Control* Form::find(int id) const {
    for (const auto& c : controls_) {
        if (c->id() == id) return c.get();
    }
    return nullptr;
}

void Form::focusLeftIfHidden() {
    if (focused_ == nullptr || focused_->showing()) return;
    focused_ = nullptr;
    if (focusHome_ != nullptr) focusHome_->setFocus();
}

void Form::setTop(int top) {
    if (top == top_) return;
    top_ = top;
    if (peer_) peer_->updatePosition();
}

void Form::setLeft(int left) {
    if (left == left_) return;
    left_ = left;
    if (peer_) peer_->updatePosition();
}

Size Form::outerSize() const {
    if (peer_) return peer_->outerSize();
    // Without a window: the frame of a single-border window with a caption at 96 DPI.
    return {clientSize_.width + 6, clientSize_.height + 28};
}

void Form::showMessage(const std::string& text) {
    if (peer_) peer_->showMessage(text);
}

void Form::hideCaret() {
    if (peer_) peer_->hideCaret();
}

void Form::paintNow() {
    if (peer_) peer_->paintNow();
}

void Form::copyText(const std::string& text) {
    if (peer_) peer_->copyText(text);
}

std::optional<std::string> Form::askSavePath(const std::string& suggestedName) {
    if (!peer_) return std::nullopt;
    return peer_->askSavePath(suggestedName);
}

void Form::dispatch(const Handler& handler) {
    if (handler) handler();
}

}  // namespace ui
