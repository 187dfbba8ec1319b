#include "support/log_lines.h"

#include <fstream>

#include "app/program_data.h"

std::vector<std::string> LogLines() {
    return LogLines(program_data.LogFileName);
}

std::vector<std::string> LogLines(const std::string& file) {
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == ' ')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}
