#include "quirks/quirk_step_openers.h"

#include "steps/frame_step6.h"

void OpenQuirkStepAfterBackground(bool handPicking) {
    if (handPicking)
        OpenCherryStep7(QuirkStepFrom::Background);
    else
        OpenFrameStep7(QuirkStepFrom::Background);
}
