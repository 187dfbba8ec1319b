#include "app/window_placement.h"

#include "app/app_globals.h"

void ShowInPlace(wxFrame* frame, const wxRect& where) {
#ifdef __WXGTK__
    // wxGTK keeps one remembered size of the window manager's frame for all windows. Some window managers
    // clear a closed window's frame size before wx lets go of it, and wx remembers that nothing; the next
    // window then waits for its frame size while it is already mapped, and shows tiny at the top of the
    // screen with a burst of GTK warnings. The main window's frame size is the right one: it is taken, and
    // the size asked again so that it counts.
    if (frame->m_decorSize.top == 0 && MasterFrame && MasterFrame->m_decorSize.top != 0) {
        frame->m_decorSize = MasterFrame->m_decorSize;
        frame->SetSize(wxRect(where.GetPosition(), where.GetSize() + wxSize(1, 1)));
        frame->SetSize(where);
    }
#endif
    frame->Show(true);
}
