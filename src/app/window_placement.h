// Showing a tool window where the program places it.
#pragma once

#include <wx/frame.h>
#include <wx/gdicmn.h>

// Shows `frame`, which was made at `where`, and keeps it there: a window manager may first place a window
// that is opened again at a spot and size of its own choosing, so the place is asked for once more when
// the window has been mapped.
void ShowInPlace(wxFrame* frame, const wxRect& where);
