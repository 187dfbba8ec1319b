// Showing a tool window where the program places it.
#pragma once

#include <wx/frame.h>
#include <wx/gdicmn.h>

// Shows `frame`, made at `where`, so that it appears there and at that size under any window manager.
void ShowInPlace(wxFrame* frame, const wxRect& where);
