// Puts every program-wide global back to its start-up state, so each test starts clean.
#pragma once

#include <gtest/gtest.h>

void ResetGlobals();

// Adds a reset that ResetGlobals runs after its own: the window tests register the window globals' one.
void AddGlobalsReset(void (*reset)());

// Base fixture: every test that touches the globals starts from ResetGlobals().
class GlobalsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
    void TearDown() override { ResetGlobals(); }
};
