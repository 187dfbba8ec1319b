#include "app/program_data.h"

ProgramData program_data;
