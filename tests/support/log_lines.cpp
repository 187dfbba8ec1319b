#include "support/log_lines.h"

#include <fstream>

#include "app/program_data.h"

std::vector<std::string> LogLines() {
    std::vector<std::string> lines;
    std::ifstream in(program_data.LogFileName);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == ' ')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}
