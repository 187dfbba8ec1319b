#include "app/shutdown.h"

#include <wx/app.h>
#include <wx/toplevel.h>

#include "app/app_globals.h"

bool ProgramShuttingDown() {
    if (!wxTheApp)
        return true;
    if (!MasterFrame)
        return false;
    // MasterFrame is never cleared, so it is looked up among the live windows before it is touched.
    wxWindow* master = MasterFrame;
    if (!wxTopLevelWindows.Find(master))
        return true;
    return master->IsBeingDeleted() || wxTheApp->IsScheduledForDestruction(master);
}
