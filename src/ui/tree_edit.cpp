#include "ui/tree_edit.h"

#include "app/numbers.h"
#include "app/program_data.h"
#include "app/prompts.h"
#include "app/text_encoding.h"

namespace {

using C = Character_Class;

// clang-format off
const EditableLabel kEditableLabels[] = {
    {"Age", "Enter Age", "Character Editing: Age",
     EditRule::PositiveNumber, &C::AGE, nullptr, " years"},
    {"Height", "Enter Height", "Character Editing: Height",
     EditRule::PositiveNumber, &C::CHARACTER_HEIGHT, nullptr, " inches"},
    {"Weight", "Enter Weight", "Character Editing: Weight",
     EditRule::PositiveNumber, &C::CHARACTER_WEIGHT, nullptr, " lbs"},
    {"Siblings", "Enter number of Siblings", "Character Editing: Siblings",
     EditRule::PositiveNumber, &C::SIBLINGS, nullptr, ""},
    {"Social_Class", "Enter Social Class", "Character Editing: Social Class",
     EditRule::ContainsClass, nullptr, &C::SOCIAL_CLASS, ""},
    {"Legitamacy_of_Birth", "Enter Legitamacy of Birth", "Character Editing: Legitamacy of Birth",
     EditRule::NonEmpty, nullptr, &C::LEGITAMACY_OF_BIRTH, ""},
    {"Handeness", "Enter Handeness", "Character Editing: Handeness",
     EditRule::Handedness, nullptr, &C::HANDEDNESS, ""},
    {"Birth_Circumstance", "Enter Circumstance of Birth", "Character Editing: Circumstance of Birth",
     EditRule::NonEmpty, nullptr, &C::CIRCUMSTANCE_OF_BIRTH, ""},
    {"Mother", "Enter Status of Mother", "Character Editing: Status of Mother",
     EditRule::NonEmpty, nullptr, &C::MOTHER_STATUS, ""},
    {"Father", "Enter Status of Father", "Character Editing: Status of Father",
     EditRule::NonEmpty, nullptr, &C::FATHER_STATUS, ""},
    {"Mother Quality", "Enter Quality of Mother", "Character Editing: Quality of Mother",
     EditRule::NonEmpty, nullptr, &C::MOTHER_QUALITY, ""},
    {"Father Quality", "Enter Quality of Father", "Character Editing: Quality of Father",
     EditRule::NonEmpty, nullptr, &C::FATHER_QUALITY, ""},
    {"Step_Parent", "Enter Type and Status of Step Parent", "Character Editing: Step Parent",
     EditRule::NonEmpty, nullptr, &C::STEPPARENT, ""},
    {"Heritage", "Enter Family Heritage", "Character Editing: Family Heritage",
     EditRule::NonEmpty, nullptr, &C::FAMILY_HERITAGE, ""},
    {"Birth_Order", "Enter Birth Order", "Character Editing: Birth Orders",
     EditRule::NonEmpty, nullptr, &C::BIRTH_ORDER, ""},
};
// clang-format on

// Digits only after at most one sign, converting to a value above 0. Unlike atoi, a value past
// 32 bits is refused rather than wrapped into some other number.
std::optional<int32_t> PositiveWholeNumber(const std::string& entry) {
    size_t i = 0;
    if (!entry.empty() && (entry[0] == '+' || entry[0] == '-'))
        i = 1;
    if (i == entry.size())
        return std::nullopt;
    for (; i < entry.size(); ++i)
        if (entry[i] < '0' || entry[i] > '9')
            return std::nullopt;
    bool fits = true;
    const int32_t value = ParseLeadingInt(entry, fits);
    if (!fits || value <= 0)
        return std::nullopt;
    return value;
}

bool Accepts(EditRule rule, const std::string& answer) {
    switch (rule) {
    case EditRule::PositiveNumber:
        return PositiveWholeNumber(answer).has_value();
    case EditRule::ContainsClass:
        return answer.find("Class") != std::string::npos;
    case EditRule::Handedness:
        return answer == "Right" || answer == "Left" || answer == "Ambidextrous";
    case EditRule::NonEmpty:
        return !answer.empty();
    }
    return false;
}

} // namespace

const EditableLabel* FindEditableLabel(const std::string& key) {
    for (const EditableLabel& row : kEditableLabels)
        if (key == row.label)
            return &row;
    return nullptr;
}

std::optional<std::string> ApplyLabelEdit(const std::string& key, const std::string& answer,
                                          Character_Class& pc) {
    const EditableLabel* row = FindEditableLabel(key);
    if (!row || !Accepts(row->rule, answer))
        return std::nullopt;
    if (row->number)
        pc.*(row->number) = *PositiveWholeNumber(answer);
    else
        pc.*(row->text) = answer;
    // The tree shows the entry as typed, so "025" stays "025" although 25 is stored.
    return answer + row->suffix;
}

TreeEditOutcome EditTreeItem(TreeModel& tree, TreeItem selected) {
    if (program_data.WizardState > kWizardNone)
        return TreeEditOutcome::Nothing;
    const std::string key = selected.IsOk() ? tree.GetItemText(selected) : std::string();
    if (key == "Skills" || key == "Talents" || key == "Proficiencies")
        return TreeEditOutcome::OpenSkills;
    if (key == "Equipment")
        return TreeEditOutcome::OpenEquipment;
    const EditableLabel* row = FindEditableLabel(key);
    if (!row)
        return TreeEditOutcome::Nothing;

    // A cancelled question counts as an empty answer, which no label accepts.
    const std::optional<wxString> answer = Prompts().Text(row->prompt, row->title, wxString());
    const std::optional<std::string> shown =
        ApplyLabelEdit(key, answer ? FromWx(*answer) : std::string(), current_character);
    if (!shown)
        return TreeEditOutcome::Nothing;
    tree.DeleteChildren(selected);
    tree.AppendItem(selected, *shown);
    return TreeEditOutcome::Edited;
}
