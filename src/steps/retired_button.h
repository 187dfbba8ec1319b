// Taking a clicked button off its window for good, once its own click is over.
#pragma once

#include <wx/button.h>
#include <wx/weakref.h>

// A button may not be destroyed under its own click handler, nor while a modal dialog that the click
// shows runs its event loop: that loop carries out queued calls while the click is still being handled.
// So the button is hidden when this is made, at the point of the handler where it leaves the window, and
// its destruction is queued on its window only when this goes out of scope at the end of the handler,
// after every dialog of the click. A button or window already gone by then is left alone; null retires
// nothing.
class RetiredButton {
public:
    explicit RetiredButton(wxButton* button);
    ~RetiredButton();
    RetiredButton(const RetiredButton&) = delete;
    RetiredButton& operator=(const RetiredButton&) = delete;

private:
    wxWeakRef<wxButton> button_;
};
