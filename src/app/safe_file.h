// Writing a file so that a failed or interrupted write never leaves it truncated.
#pragma once

#include <string>

// Writes `bytes` to a temporary file beside `path` and renames it over `path`.
// Returns false (and leaves any old file untouched) when any step fails.
bool WriteFileReplacing(const std::string& path, const std::string& bytes);
