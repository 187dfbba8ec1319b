// Window helpers both quirk steps share.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

class wxFrame;
class wxItemContainer;

// Replaces the items of a list or combo box with `lines`, selecting entry 0 when `selectFirst` and there
// is one (an empty box is never selected in).
void ShowLines(wxItemContainer& box, const std::vector<std::string>& lines, bool selectFirst);

// What a quirk step window does as it is destroyed, for whichever of `slots` holds it (the same window
// class is opened into different slots): see EndStepWindow.
void EndQuirkStepWindow(std::initializer_list<int> slots, const wxFrame* frame, bool continued);
