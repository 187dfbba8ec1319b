// Helpers for driving windows in tests.
#pragma once

#include <wx/window.h>

// Runs pending events and idle handling so windows closed with Close()/Destroy() are really deleted.
void PumpEvents();

// Destroys every top-level window still open and pumps until they are gone.
void CloseAllWindows();

// Sends `window` the event its control with `id` would send when clicked (buttons, menu items,
// check boxes and radio buttons alike); fails the test when there is no such enabled control.
void Click(wxWindow* window, int id);
void SelectMenu(wxWindow* window, int id);
