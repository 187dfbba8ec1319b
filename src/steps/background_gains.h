// What the background step's rolls leave for its Continue: kept apart from the roll chain so that the
// family rolls, which fill it, need nothing else of the chain.
#pragma once

#include <cstdint>

// What the quality and birth-order rolls leave for the step's Continue.
struct BackgroundGains {
    int32_t momMinorQuirks = 0;
    int32_t momMajorQuirks = 0;
    int32_t momQualityBP = 0;
    int32_t dadMinorQuirks = 0;
    int32_t dadMajorQuirks = 0;
    int32_t dadQualityBP = 0;
    int32_t middleChildQuirks = 0;
};
