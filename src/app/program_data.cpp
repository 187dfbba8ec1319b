#include "app/program_data.h"

#include "app/dice_log.h"

ProgramData program_data;

std::string LogStepLine(const std::string& text) {
    std::string line = text;
    Format_Entry(program_data.BuildingPoints, line, program_data.LogFileName);
    return line;
}
