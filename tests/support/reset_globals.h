// Puts every program-wide global back to its start-up state, so each test starts clean.
#pragma once

#include <gtest/gtest.h>

void ResetGlobals();

// Base fixture: every test that touches the globals starts from ResetGlobals().
class GlobalsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
    void TearDown() override { ResetGlobals(); }
};
