// The starting point of every quirk-step test: clean globals, the quirk table filled, the core books on,
// the dice log in a fresh working folder.
#pragma once

#include "app/options_file.h"
#include "app/program_data.h"
#include "quirks/quirk_flaw.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

class QuirkTest : public GlobalsTest {
protected:
    void SetUp() override {
        GlobalsTest::SetUp();
        SetQuirkFlawStructure();
        BooksToUse[kBookCore] = 1;
        program_data.LogFileName = "quirks.log";
    }

    ScopedTempDir dir_;
};
