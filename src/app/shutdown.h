// Whether the program is closing down, when no window may be opened any more.
#pragma once

// True once the main window is closing or gone (or the application object is): a window opened then
// would get a parent that is being destroyed. False before the main window exists.
bool ProgramShuttingDown();
