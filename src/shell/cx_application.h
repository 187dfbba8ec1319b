// The application object and the start-up sequence.
#pragma once

#include <wx/app.h>

class FormMain;

class cxApplication : public wxApp {
public:
    bool OnInit() override;
};

wxDECLARE_APP(cxApplication);

// The start-up steps after the framework is up: version, wizard state, catalogues, window table,
// screen size and the main window, which it returns shown.
FormMain* RunStartUp();
