// The program's window icon.
#pragma once

#include <wx/icon.h>

// The icon every window of the program carries: a red die with five pips.
wxIcon SampleIcon();
