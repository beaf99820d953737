// The control model's common properties and events.
#include "ui/control.h"

#include "ui/form.h"

namespace ui {

Control::Control(Form& form, const ControlSpec& spec, Control* parent)
    : form_(form),
      id_(spec.id),
      kind_(spec.kind),
      parent_(parent),
      tabOrder_(spec.tabOrder),
      bounds_(spec.bounds),
      visible_(!spec.hidden),
      text_(spec.text),
      colour_(spec.colour ? *spec.colour : (parent ? parent->colour() : form.colour())),
      font_(spec.font),
      cursor_(spec.cursor),
      popupMenu_(spec.popupMenu),
      hidesCaret_(spec.hidesCaret) {
    if (font_.face == FontFace::Inherit) font_ = parent ? parent->font() : form.font();
    if (parent_) parent_->children_.push_back(this);
}

Control::~Control() = default;

void Control::notify(Property property) {
    if (peer_) peer_->update(property);
}

void Control::setBounds(const Rect& bounds) {
    if (bounds == bounds_) return;
    bounds_ = bounds;
    notify(Property::Bounds);
}

void Control::setLeft(int left) {
    Rect r = bounds_;
    r.left = left;
    setBounds(r);
}

void Control::setTop(int top) {
    Rect r = bounds_;
    r.top = top;
    setBounds(r);
}

void Control::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    notify(Property::Visible);
    // A control held back while hidden gets its window as it shows.
    if (visible && peer_ == nullptr && parent_ != nullptr && parent_->peer_ != nullptr)
        parent_->peer_->childShown(*this);
    if (!visible) form_.focusLeftIfHidden();
}

bool Control::showing() const {
    return visible_ && (parent_ == nullptr || parent_->showing());
}

void Control::setText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    notify(Property::Text);
    if (onChange) onChange();
}

void Control::textEdited(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    if (onChange) onChange();
}

void Control::setColour(present::Colour colour) {
    if (colour == colour_) return;
    colour_ = colour;
    notify(Property::Colour);
}

void Control::setFontColour(present::Colour colour) {
    if (colour == font_.colour) return;
    font_.colour = colour;
    notify(Property::FontColour);
}

void Control::setFocus() {
    if (!canFocus()) return;
    if (peer_) peer_->focus();
    form_.focusChanged(this);
}

bool Control::focused() const {
    return form_.focused() == this;
}

bool Control::contains(const Control* other) const {
    for (; other != nullptr; other = other->parent())
        if (other == this) return true;
    return false;
}

void Control::click() {
    if (onClick) onClick();
}

Panel::Panel(Form& form, const ControlSpec& spec, Control* parent)
    : Control(form, spec, parent),
      singleBorder_(spec.singleBorder),
      showCaption_(spec.showCaption),
      pushButton_(spec.pushButton),
      keepsTabInside_(spec.keepsTabInside) {}

void Panel::setEllipticOutline() {
    elliptic_ = true;
    notify(Property::Region);
}

namespace {

// A panel's event for the left button, run as the message loop runs a handler.
void raiseLeft(Form& form, const MouseHandler& handler) {
    if (handler) form.dispatch([&handler] { handler(MouseButton::Left); });
}

}  // namespace

void Panel::pressed(Press by, bool armsClick) {
    if (heldBy_) return;
    heldBy_ = by;
    clickArmed_ = armsClick;
    raiseLeft(form(), onMouseDown);
}

void Panel::released(Press by, bool inside) {
    if (heldBy_ != by) return;
    heldBy_.reset();
    bool click = clickArmed_ && inside;
    clickArmed_ = false;
    if (click) form().dispatch(onClick);
    raiseLeft(form(), onMouseUp);
}

void Panel::pressLost() {
    if (!heldBy_) return;
    heldBy_.reset();
    clickArmed_ = false;
    raiseLeft(form(), onMouseUp);
}

Label::Label(Form& form, const ControlSpec& spec, Control* parent)
    : Control(form, spec, parent), align_(spec.align) {}

Rect Label::boundsFor(Size textExtent) const {
    const Rect& design = bounds();
    int left = design.left;
    if (align_ == Align::Right && textExtent.width <= design.width) left = design.right() - textExtent.width;
    return Rect{left, design.top, textExtent.width, textExtent.height};
}

TextBox::TextBox(Form& form, const ControlSpec& spec, Control* parent)
    : Control(form, spec, parent),
      multiline_(spec.multiline),
      readOnly_(spec.readOnly),
      wordWrap_(spec.wordWrap),
      align_(spec.align) {}

void TextBox::setMaxLength(std::size_t bytes) {
    if (bytes == maxLength_) return;
    maxLength_ = bytes;
    notify(Property::MaxLength);
}

void TextBox::addLine(const std::string& line) {
    std::string next = text();
    if (!next.empty() && (next.size() < 2 || next.compare(next.size() - 2, 2, "\r\n") != 0)) next += "\r\n";
    next += line;
    next += "\r\n";
    setText(next);
}

std::vector<std::string> TextBox::lines() const {
    std::vector<std::string> out;
    const std::string& t = text();
    std::size_t start = 0;
    while (start < t.size()) {
        std::size_t end = t.find("\r\n", start);
        if (end == std::string::npos) {
            out.push_back(t.substr(start));
            break;
        }
        out.push_back(t.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

}  // namespace ui
