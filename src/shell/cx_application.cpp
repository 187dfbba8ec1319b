#include "shell/cx_application.h"

#include <clocale>
#include <memory>
#include <wx/display.h>
#include <wx/gdicmn.h>

#include "app/app_globals.h"
#include "app/dice_log_window.h"
#include "app/program_data.h"
#include "app/wx_prompter.h"
#include "catalog/catalogues.h"
#include "shell/form_main.h"
#include "ui/pc_tree_frame.h"

FormMain* RunStartUp() {
    program_data.ProgramVersion = "5.1";
    program_data.WizardState = kWizardNone;
    LoadCatalogues();
    for (FrameSlot& slot : VOLDFrames)
        slot.Clear();
    wxDisplaySize(&MasterWidth, &MasterHeight);
    MasterHeight -= 25;
    auto* frame =
        new FormMain(nullptr, "Brindlekit", wxPoint(0, 0), wxSize(MasterWidth - 200, MasterHeight - 200));
    MasterFrame = frame;
    if (wxTheApp)
        wxTheApp->SetTopWindow(frame);
    frame->Show(true);
    ReportMissingCatalogueFolders();
    return frame;
}

bool cxApplication::OnInit() {
    // GTK sets the user's locale; numbers in files, logs and fields always use a dot.
    std::setlocale(LC_NUMERIC, "C");
    SetPrompter(std::make_unique<WxPrompter>());
    InstallDiceLogWindow();
    InstallTreeWindow();
    RunStartUp();
    return true;
}
