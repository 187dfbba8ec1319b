#include "app/window_placement.h"

#include <chrono>

namespace {

// How long after a show a move or resize is taken for the window manager's placement, not the user's.
constexpr std::chrono::milliseconds kPlacementTime(1500);

} // namespace

void ShowInPlace(wxFrame* frame, const wxRect& where) {
    const auto shown = std::chrono::steady_clock::now();
    const auto keep = [frame, where, shown](wxEvent& event) {
        event.Skip();
        if (std::chrono::steady_clock::now() - shown < kPlacementTime && frame->GetRect() != where)
            frame->CallAfter([frame, where] { frame->SetSize(where); });
    };
    frame->Bind(wxEVT_MOVE, keep);
    frame->Bind(wxEVT_SIZE, keep);
    frame->Show(true);
}
