// The program's entry: the framework creates the application object and runs its event loop.
#include "shell/cx_application.h"

wxIMPLEMENT_APP(cxApplication);
