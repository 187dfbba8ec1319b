// Editing the character from its tree: background facts typed in place, spending windows reopened.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/character.h"
#include "ui/tree_model.h"

// How an answer typed for an editable label is checked.
enum class EditRule {
    PositiveNumber, // only digits after at most one sign, above 0 and within 32 bits
    ContainsClass,  // any text holding "Class"
    Handedness,     // exactly "Right", "Left" or "Ambidextrous"
    NonEmpty,       // any text but the empty one
};

// One background fact of "Prior and Particulars" that the tree lets the user retype.
struct EditableLabel {
    const char* label;  // the label item's text, compared whole and case-sensitively
    const char* title;  // title of the question
    const char* prompt; // prompt of the question
    EditRule rule;
    int32_t Character_Class::*number;   // the field of a number label, else null
    std::string Character_Class::*text; // the field of a text label, else null
    const char* suffix;                 // appended to the typed entry in the tree
};

// The row of `key`, or null when no editable label has exactly that text.
const EditableLabel* FindEditableLabel(const std::string& key);

// Checks `answer` by the rule of the label `key`. When it is accepted, writes it into the label's
// field of `pc` (a number label gets the converted value) and returns the text to show under the
// label; otherwise, and for a key that is not editable, returns nothing and leaves `pc` unchanged.
std::optional<std::string> ApplyLabelEdit(const std::string& key, const std::string& answer,
                                          Character_Class& pc);

// What a right click on the tree asks of the window.
enum class TreeEditOutcome {
    Nothing,       // refused, cancelled, or nothing to do for that item
    OpenSkills,    // "Skills", "Talents" or "Proficiencies": the skills window, if its slot is empty
    OpenEquipment, // "Equipment": the equipment window, if its slot is empty
    Edited,        // a background fact was changed in the record and under its label
};

// The tree's editing rule for the item `selected`: nothing while a creation step is open
// (`WizardState` above kWizardNone); for an editable label, asks the new value through the prompt interface
// and, when it is accepted, stores it in `current_character` and makes it the label's only child.
TreeEditOutcome EditTreeItem(TreeModel& tree, TreeItem selected);
