#include "steps/retired_button.h"

#include <wx/toplevel.h>

RetiredButton::RetiredButton(wxButton* button) : button_(button) {
    if (button)
        button->Hide();
}

RetiredButton::~RetiredButton() {
    wxButton* button = button_.get();
    wxWindow* window = button ? wxGetTopLevelParent(button) : nullptr;
    if (!window)
        return;
    // Queued on the window: its pending calls die with it, and the weak reference covers a button that
    // goes before it.
    window->CallAfter([done = button_] {
        if (done)
            done->Destroy();
    });
}
