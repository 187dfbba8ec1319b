#include "ui/form_main.h"

#include "app/app_icon.h"

FormMain::FormMain(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                   const wxSize& size)
    : wxFrame(parent, id, title, pos, size) {
    SetIcon(SampleIcon());
}
