// The program-wide state of the creation wizard.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/quirk_rows.h"

// The creation step that holds the wizard: `WizardState`. The numbers are ordered as the steps follow
// each other, and the steps compare them so: above kWizardNone a step of the creation owns the windows
// it opens, and the quirk steps up to kWizardQuirks were reached from the background step.
enum WizardStep : int32_t {
    kWizardBackgroundRolled = -1, // the background step open, a roll made; the tree may be edited
    kWizardNone = 0,              // no creation step open: "&New Character" acts, the tree may be edited
    kWizardFighterRolled = 1,     // the fighter background window has rolled
    kWizardAbilities = 3,         // the ability-and-race step open
    kWizardBackground = 5,        // the background step open, nothing rolled yet
    kWizardQuirks = 6,            // the quirk steps open, before any random roll chosen in hand-picking
    kWizardChosenQuirkRolls = 7,  // random quirk rolls chosen in hand-picking
    kWizardClass = 8,             // the quirk steps done: the class step open
    kWizardAgeAndMoney = 9,       // the age-and-money step open
    kWizardSkills = 12,           // the starting honor made: the skills purchase step open
    kWizardSkillsDone = 13,       // the purchase step ended: the alignment step open, or about to finish
    kWizardEquipment = 18,        // the purchase step finished the character itself: equipment open
};

struct ProgramData {
    std::string ProgramVersion;             // "5.1", set at start-up; printed by the character file and sheet
    WizardStep WizardState = kWizardNone;   // the open creation step
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

// Logs `text` as one line of the dice log with the current BP pool (Format_Entry with `BuildingPoints`
// into `LogFileName`) and returns the line as shown, prefix and line end included. Every step's roll,
// choice and payment is logged through this.
std::string LogStepLine(const std::string& text);
