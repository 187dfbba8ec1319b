#include "app/app_globals.h"

#include <wx/app.h>

#include "app/program_data.h"

wxFrame* MasterFrame = nullptr;
int MasterWidth = 0;
int MasterHeight = 0;
std::array<FrameSlot, kFrameSlots> VOLDFrames;

void ReleaseFrameSlot(int slot, const wxFrame* frame) {
    if (slot >= 0 && slot < kFrameSlots && VOLDFrames[static_cast<size_t>(slot)].Holds(frame))
        VOLDFrames[static_cast<size_t>(slot)].Clear();
}

void EndStepWindow(int slot, const wxFrame* frame, bool continued) {
    if (slot < 0 || slot >= kFrameSlots || !VOLDFrames[static_cast<size_t>(slot)].Holds(frame))
        return;
    if (!continued)
        program_data.WizardState = kWizardNone;
    VOLDFrames[static_cast<size_t>(slot)].Clear();
}

bool CreationStepOpen() {
    for (int slot : {kSlotStep3, kSlotStep6, kSlotQuirks, kSlotQuirkRolls, kSlotStep8, kSlotStep10,
                     kSlotSkills, kSlotAlignment, kSlotEquipment}) {
        wxFrame* frame = VOLDFrames[static_cast<size_t>(slot)].Live();
        if (frame && !frame->IsBeingDeleted() && !(wxTheApp && wxTheApp->IsScheduledForDestruction(frame)))
            return true;
    }
    return false;
}
