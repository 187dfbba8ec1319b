// Drives a character through the main window up to a later creation step, as a user would.
#pragma once

#include <string>
#include <vector>

#include "support/ability_faces.h"

class FormMain;
class FrameStep6;

// From the started main window `main` (the working directory holding the catalogues): chooses "&New
// Character", rolls `scores`, picks the race row `raceRow` and continues. Returns the background step
// from its slot (null, with a test failure, when it did not open).
FrameStep6* RunToBackground(FormMain* main, const Scores& scores, const std::string& raceRow);

// Clicks whichever roll button the background step shows until none is left (at most `limit` clicks)
// and returns the ids clicked, in order.
std::vector<int> ClickThroughBackground(FrameStep6* step, int limit = 20);

// The visible result texts and roll button of the background step, one line each in creation order:
// "<id> <label>" for a text and "[<id> <label>]" for the shown button.
std::string BackgroundRows(FrameStep6* step);
