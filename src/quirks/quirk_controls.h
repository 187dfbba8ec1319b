// Window helpers both quirk steps share.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

class wxFrame;
class wxItemContainer;
class wxMenu;
class wxMenuBar;

// The menu ids both quirk step windows share.
enum QuirkStepMenuId {
    ID_QUIRK_MENU_ABORT = 10008,
    ID_QUIRK_MENU_CONTINUE = 10009,
};

// The window that opens a quirk step window; the same window class opens in a different slot, with a
// different title and size, depending on where it is reached from.
enum class QuirkStepFrom {
    Background,  // the background step's Continue: slot 5, "... (Cherry Picking)"
    HandPicking, // hand-picking's Roll Randomly: the random rolls in slot 6
    RandomRolls, // the random rolls' Continue after the background's free rolls: hand-picking in slot 3
};

// The title of whichever quirk step window the background step opens.
inline constexpr const char* kQuirkStepFromBackgroundTitle =
    "Character Creation: Quirks and Flaws (Cherry Picking)";

// Gives a quirk step window its menu "&Menu" ("&Continue" 10009, a separator, "Ab&ort" 10008) and its
// status bar of three fields.
void AddQuirkStepMenu(wxFrame& frame, wxMenuBar*& menuBar, wxMenu*& menu);

// Replaces the items of a list or combo box with `lines`, selecting entry 0 when `selectFirst` and there
// is one (an empty box is never selected in).
void ShowLines(wxItemContainer& box, const std::vector<std::string>& lines, bool selectFirst);

// What a quirk step window does as it is destroyed, for whichever of `slots` holds it (the same window
// class is opened into different slots): see EndStepWindow.
void EndQuirkStepWindow(std::initializer_list<int> slots, const wxFrame* frame, bool continued);
