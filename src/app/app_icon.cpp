#include "app/app_icon.h"

namespace {

// A 32x32 die drawn for this program.
const char* const sample_xpm[] = {
    "32 32 4 1",
    "  c None",
    ". c #5A0F0F",
    "X c #B22222",
    "o c #F5F0E6",
    "                                ",
    "                                ",
    "   ..........................   ",
    "  .XXXXXXXXXXXXXXXXXXXXXXXXXX.  ",
    "  .XXXXXXXXXXXXXXXXXXXXXXXXXX.  ",
    "  .XXXXooXXXXXXXXXXXXXXXooXXX.  ",
    "  .XXXooooXXXXXXXXXXXXXooooXX.  ",
    "  .XXXooooXXXXXXXXXXXXXooooXX.  ",
    "  .XXXXooXXXXXXXXXXXXXXXooXXX.  ",
    "  .XXXXXXXXXXXXXXXXXXXXXXXXXX.  ",
    "  .XXXXXXXXXXXXXXXXXXXXXXXXXX.  ",
    "  .XXXXXXXXXXXXXXXXXXXXXXXXXX.  ",
    "  .XXXXXXXXXXXXXXXXXXXXXXXXXX.  ",
    "  .XXXXXXXXXXXXooXXXXXXXXXXXX.  ",
    "  .XXXXXXXXXXXooooXXXXXXXXXXX.  ",
    "  .XXXXXXXXXXXooooXXXXXXXXXXX.  ",
    "  .XXXXXXXXXXXXooXXXXXXXXXXXX.  ",
    "  .XXXXXXXXXXXXXXXXXXXXXXXXXX.  ",
    "  .XXXXXXXXXXXXXXXXXXXXXXXXXX.  ",
    "  .XXXXXXXXXXXXXXXXXXXXXXXXXX.  ",
    "  .XXXXXXXXXXXXXXXXXXXXXXXXXX.  ",
    "  .XXXXooXXXXXXXXXXXXXXXooXXX.  ",
    "  .XXXooooXXXXXXXXXXXXXooooXX.  ",
    "  .XXXooooXXXXXXXXXXXXXooooXX.  ",
    "  .XXXXooXXXXXXXXXXXXXXXooXXX.  ",
    "  .XXXXXXXXXXXXXXXXXXXXXXXXXX.  ",
    "  .XXXXXXXXXXXXXXXXXXXXXXXXXX.  ",
    "  .XXXXXXXXXXXXXXXXXXXXXXXXXX.  ",
    "   ..........................   ",
    "                                ",
    "                                ",
    "                                "};

} // namespace

wxIcon SampleIcon() { return wxIcon(sample_xpm); }
