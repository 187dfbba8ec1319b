// The main window.
#pragma once

#include <wx/frame.h>

class FormMain : public wxFrame {
public:
    FormMain(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos, const wxSize& size);
};
