// The few globals through which every top-level window is placed and found.
#pragma once

#include <array>
#include <wx/frame.h>
#include <wx/weakref.h>



// One slot of the window table. The opener writes it and it stays set after the window closes (the
// steps test a slot for null to decide whether to open a window again), but the window itself is
// tracked weakly, so nothing ever reaches a window that is gone.
class FrameSlot {
public:
    FrameSlot& operator=(wxFrame* frame) {
        held_ = frame;
        live_ = frame;
        return *this;
    }
    // True while the slot has been written and not emptied, whether or not the window still exists.
    bool IsSet() const { return held_ != nullptr; }
    // The window, or null once it has been destroyed.
    wxFrame* Live() const { return live_.get(); }
    bool Holds(const wxFrame* frame) const { return frame && held_ == frame; }
    void Clear() { *this = nullptr; }

private:
    wxFrame* held_ = nullptr;
    wxWeakRef<wxFrame> live_;
};

// Slot numbers of the window table.
enum FrameSlotIndex {
    kSlotDiceLog = 0,
    kSlotTree = 1,
    kSlotOptions = 2,
    kSlotStep3 = 3,
    kSlotStep6 = 4,
    kSlotQuirks = 5,
    kSlotQuirkRolls = 6,
    kSlotStep8 = 8,
    kSlotStep10 = 9,
    kSlotSkills = 10,
    kSlotAlignment = 11,
    kSlotEquipment = 18,
    kFrameSlots = 20
};

// The main window: the parent of every later top-level window; set once at start-up.
extern wxFrame* MasterFrame;
// The screen size read at start-up (height less 25), used to place the dice-log and tree windows.
extern int MasterWidth;
extern int MasterHeight;
// The open top-level windows by fixed slot.
extern std::array<FrameSlot, kFrameSlots> VOLDFrames;

// Opens a top-level window as every creation step window is opened: a new `Frame` under `parent` at the
// default position, stored in `slot` of the window table, then shown. Each step window has one opener
// that calls this with its slot, title and size.
template <class Frame>
Frame* OpenInSlot(int slot, wxWindow* parent, const wxString& title, const wxSize& size) {
    auto* frame = new Frame(parent, title, wxDefaultPosition, size);
    VOLDFrames[static_cast<size_t>(slot)] = frame;
    frame->Show(true);
    return frame;
}

// Empties `slot` if it still holds `frame`; windows call this as they are destroyed.
void ReleaseFrameSlot(int slot, const wxFrame* frame);

// What every creation step window does as it is destroyed. wx deletes a closed frame only at idle
// time, after the next step (or the next character's first step) may already own the slot: so the
// creation is ended (`WizardState` kWizardNone) only when the window leaves without Continue and its slot
// still holds it, and the slot is emptied only while it holds it.
void EndStepWindow(int slot, const wxFrame* frame, bool continued);

// True while a creation step window is open in its slot and not already closing.
bool CreationStepOpen();
