// The program-wide state of the creation wizard.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/quirk_rows.h"

struct ProgramData {
    std::string ProgramVersion;             // "5.1", set at start-up; printed by the character file and sheet
    int32_t WizardState = 0;                // the open creation step; 0 when none is open
    float BuildingPoints = 0.0f;            // the BP pool of the character being created
    std::string LogFileName;                // the dice-log file, "%i.log", chosen once per run
    int32_t PPMoneyModifier = 0;            // starting-money modifier summed by the background steps
    int32_t PPHonorModifier = 0;            // starting-honor modifier summed by the background steps
    QuirkCounts QuirkBP;                    // BP earned per quirk-table row in the current quirk step
    int32_t QuirkRollsOwed = 0;             // quirk rolls still owed
    std::vector<std::string> PendingTables; // quirk tables queued for free rolls
    // The character's own file in CharacterXML: the one it was opened from or last saved to; empty for a
    // new character. Saving over any other existing file asks first.
    std::string CharacterFile;
};

// Global because every creation step reads and writes the wizard state directly.
extern ProgramData program_data;
