// Drives a character through the main window up to a later creation step, as a user would.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "support/ability_faces.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

class FormMain;
class FrameStep6;

// The program started, as a user starts it, in a fresh working folder holding the sample catalogues.
class CreationRunTest : public GlobalsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    ScopedTempDir dir_;
    FormMain* main_ = nullptr;
};

// From the started main window `main` (the working directory holding the catalogues): chooses "&New
// Character", rolls `scores`, picks the race row `raceRow` and continues. Returns the background step
// from its slot (null, with a test failure, when it did not open).
FrameStep6* RunToBackground(FormMain* main, const Scores& scores, const std::string& raceRow);

// Clicks whichever roll button the background step shows until none is left (at most `limit` clicks)
// and returns the ids clicked, in order.
std::vector<int> ClickThroughBackground(FrameStep6* step, int limit = 20);

// The dice faces of a whole background and the number of accept questions it asks.
struct BackgroundScript {
    std::vector<int32_t> faces;
    size_t questions;
};
// For the human man of the runs (10 BP, so every roll asks and is accepted): both parents known, alive
// and loving, no siblings, so no free quirk table is owed.
extern const BackgroundScript kPlainBackground;

// Rolls the whole background of `step` on `script`'s faces, accepting every roll.
void RollBackground(FrameStep6* step, const BackgroundScript& script);

// The visible result texts and roll button of the background step, one line each in creation order:
// "<id> <label>" for a text and "[<id> <label>]" for the shown button.
std::string BackgroundRows(FrameStep6* step);
