// The user page's controls: the viewing side and the editing panel.
#include "app/layout/layout_kit.h"
#include "app/layout/layouts.h"
#include "present/texts.h"

namespace layout {
namespace {

constexpr FontSpec kCaption = gothic(-15, colours::white, true);
constexpr FontSpec kEditLabel = gothic(-13, colours::white, true);
constexpr Rect kTourokuRing{215, 55, 70, 26};
constexpr Rect kCancelRing{215, 88, 70, 26};
constexpr Rect kChangeRing{310, 100, 70, 26};

constexpr ControlSpec userBox(int id, Rect bounds, texts::Text text, Colour colour) {
    return displayBox(id, ids::Panel17, bounds, text, gothic(-15, colour, true), true, false, Align::Left, 0);
}

constexpr ControlSpec editLabel(int id, Rect bounds, texts::Text text) {
    return {.id = id, .kind = ControlKind::Label, .parent = ids::P2, .bounds = bounds, .text = text,
            .font = kEditLabel, .popupMenu = true};
}

// The input boxes keep the text cursor and their caret.
constexpr ControlSpec inputBox(int id, int parent, texts::Text text, Colour colour) {
    return {.id = id, .kind = ControlKind::TextBox, .parent = parent, .bounds = {5, 0, 140, 18},
            .text = text, .font = pgothic(-15, colour, true), .colour = colours::navy, .popupMenu = true};
}

constexpr ControlSpec kUser[] = {
    {.id = ids::Panel1, .kind = ControlKind::Panel, .parent = ids::UserTab,
     .bounds = {0, 0, 463, 215}, .colour = colours::black, .tabOrder = 0, .singleBorder = true},
    displayBox(ids::M1, ids::Panel1, {255, 150, 190, 50}, "M1", gothic(-15, colours::lime), true, false,
               Align::Left, 0),
    framePanel(ids::Panel16, ids::Panel1, {2, 2, 240, 200}, colours::white),
    framePanel(ids::Panel17, ids::Panel16, {1, 1, 238, 198}, colours::black),
    userBox(ids::Name1, {5, 30, 55, 41}, texts::kOwnerCaption, colours::white),
    userBox(ids::Company1, {5, 85, 55, 41}, texts::kOrganisationCaption, colours::white),
    {.id = ids::Label23, .kind = ControlKind::Label, .parent = ids::Panel17,
     .bounds = {5, 140, 49, 15}, .text = texts::kComputerNameCaption, .font = kCaption, .popupMenu = true,
     .hidesCaret = true},
    userBox(ids::NowName, {60, 30, 175, 50}, "", colours::aqua),
    userBox(ids::NowCompany, {60, 85, 175, 50}, "", colours::yellow),
    userBox(ids::NowPCName, {60, 140, 175, 50}, "", colours::lime),
    {.id = ids::Panel20, .kind = ControlKind::Panel, .parent = ids::Panel1,
     .bounds = {150, 2, 300, 140}, .colour = colours::blue, .hidden = true, .keepsTabInside = true},
    framePanel(ids::P2, ids::Panel20, {1, 1, 298, 138}, colours::black),
    editLabel(ids::Label10, {5, 22, 43, 13}, texts::kOwnerCaption),
    editLabel(ids::Label11, {5, 57, 43, 13}, texts::kOrganisationCaption),
    editLabel(ids::Label25, {5, 92, 43, 13}, texts::kComputerNameCaption),
    framePanel(ids::Panel21, ids::P2, {50, 20, 150, 20}, colours::silver, 0),
    framePanel(ids::Panel34, ids::Panel21, {1, 1, 148, 18}, colours::navy),
    inputBox(ids::NewName, ids::Panel34, "NewName", colours::aqua),
    framePanel(ids::Panel22, ids::P2, {50, 55, 150, 20}, colours::silver, 1),
    framePanel(ids::Panel35, ids::Panel22, {1, 1, 148, 18}, colours::navy),
    inputBox(ids::NewCompany, ids::Panel35, "NewCompany", colours::yellow),
    framePanel(ids::Panel31, ids::P2, {50, 90, 150, 20}, colours::silver, 4),
    framePanel(ids::Panel36, ids::Panel31, {1, 1, 148, 18}, colours::navy),
    inputBox(ids::NewPCName, ids::Panel36, "NewPCName", colours::lime),
    ringPanel(ids::Panel23, ids::P2, kTourokuRing, 2),
    pushPanel(ids::Touroku, ids::Panel23, kTourokuRing, texts::kRegisterButton, pgothic(-12, colours::yellow),
              colours::green),
    ringPanel(ids::Panel24, ids::P2, kCancelRing, 3),
    pushPanel(ids::Cancel, ids::Panel24, kCancelRing, texts::kCancelButton, pgothic(-12, colours::silver),
              colours::olive),
    ringPanel(ids::Panel25, ids::Panel1, kChangeRing),
    pushPanel(ids::Change, ids::Panel25, kChangeRing, texts::kChangeButton, pgothic(-12, colours::white),
              colours::teal),
    hiddenButton(ids::Button8, ids::UserTab, {360, 184, 75, 25}, "Button8", 1),
};

}  // namespace

std::span<const ControlSpec> userTab() { return kUser; }

}  // namespace layout
