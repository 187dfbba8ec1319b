// Entry of the headless rule tests.
#include <clocale>
#include <gtest/gtest.h>

#include "app/dice.h"

int main(int argc, char** argv) {
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    // Tests check the dice asked for as well as the faces they show.
    dice::RecordRolls(true);
    return RUN_ALL_TESTS();
}
