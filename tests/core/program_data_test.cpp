// The step-log line: the program's BP pool and log file, the line as shown handed back.
#include <gtest/gtest.h>

#include "app/program_data.h"
#include "support/log_lines.h"
#include "support/reset_globals.h"
#include "support/scoped_temp_dir.h"

namespace {

class StepLogTest : public GlobalsTest {
protected:
    ScopedTempDir dir_;
};

TEST_F(StepLogTest, ALineCarriesThePoolAsItIsNowAndGoesToTheProgramsLogFile) {
    program_data.LogFileName = "7.log";
    program_data.BuildingPoints = 2.5f;
    EXPECT_EQ(LogStepLine("Rolling 1d6"), "BP=2.5    | Rolling 1d6\n");
    program_data.BuildingPoints = -12.5f;
    EXPECT_EQ(LogStepLine(""), "BP=-12.5  | \n");
    program_data.LogFileName = "8.log";
    LogStepLine("Spending 1 BP to re-roll");
    EXPECT_EQ(LogLines("7.log"), (std::vector<std::string>{"BP=2.5    | Rolling 1d6", "BP=-12.5  | "}));
    EXPECT_EQ(LogLines("8.log"), (std::vector<std::string>{"BP=-12.5  | Spending 1 BP to re-roll"}));
}

} // namespace
