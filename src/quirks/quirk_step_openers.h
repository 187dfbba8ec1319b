// The openers of the two quirk windows, which each open the other: one header, so neither window's file
// includes the other's.
#pragma once

#include "quirks/quirk_controls.h"

class CherryStep7;
class FrameStep7;

// Opens the hand-picking window under the main window as the step it is reached `from` opens it: from
// the background step in slot 5 (550 x 365), from the random rolls in slot 3 (500 x 385).
CherryStep7* OpenCherryStep7(QuirkStepFrom from);

// Opens the random-roll window under the main window as the step it is reached `from` opens it: from the
// background step in slot 5, from hand-picking in slot 6.
FrameStep7* OpenFrameStep7(QuirkStepFrom from);
