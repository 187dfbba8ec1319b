// Look-ups in the ability tables.
#include "ui/ability_scores.h"

#include "app/character.h"
#include "app/numbers.h"
#include "ui/ability_tables.h"
#include "ui/tree_model.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

// The buffer is a growable string, so no result can overrun it; the reserve keeps its
// address steady across look-ups for callers that held on to the previous result.
std::string temporaryString2 = [] {
    std::string buffer;
    buffer.reserve(1024);
    return buffer;
}();

namespace {

constexpr int kHighestScore = 25;

enum class CellForm {
    Signed,        // "%+i"
    Plain,         // "%i"
    Percent,       // "%i%%"
    SignedPercent, // "%+i%%"
    Text,          // stored text
    Band,          // "%i - %i" from one above the previous band's limit to this cell
};

template <class Row> struct Column {
    const char* name;
    CellForm form;
    int32_t Row::*number;
    const char* Row::*text;
    int32_t Row::*bandFloor;
};

template <class Row> constexpr Column<Row> Num(const char* name, CellForm form, int32_t Row::*cell) {
    return {name, form, cell, nullptr, nullptr};
}

template <class Row> constexpr Column<Row> Txt(const char* name, const char* Row::*cell) {
    return {name, CellForm::Text, nullptr, cell, nullptr};
}

template <class Row> constexpr Column<Row> Band(const char* name, int32_t Row::*cell, int32_t Row::*floor) {
    return {name, CellForm::Band, cell, nullptr, floor};
}

using S = StrengthRow;
const Column<S> kStrengthColumns[] = {
    Num("to_hit_adj", CellForm::Signed, &S::to_hit_adj),
    Num("Damage_adj", CellForm::Signed, &S::Damage_adj),
    Num("Weight_Allowance", CellForm::Plain, &S::Weight_Allowance),
    Num("Max_Press", CellForm::Plain, &S::Max_Press),
    Txt("Open_Doors", &S::Open_Doors),
    Num("Bend_Bars", CellForm::Percent, &S::Bend_Bars),
    Band("Light_Encumbrance", &S::Light_Encumbrance, &S::Weight_Allowance),
    Band("Moderate_Encumbrance", &S::Moderate_Encumbrance, &S::Light_Encumbrance),
    Band("Heavy_Encumbrance", &S::Heavy_Encumbrance, &S::Moderate_Encumbrance),
    Band("Severe_Encumbrance", &S::Severe_Encumbrance, &S::Heavy_Encumbrance),
};

using D = DexterityRow;
const Column<D> kDexterityColumns[] = {
    Num("Defense_adj", CellForm::Signed, &D::Defense_adj),
    Num("Reaction_adj", CellForm::Signed, &D::Reaction_adj),
    Num("Missile_adj", CellForm::Signed, &D::Missile_adj),
    Num("Pick_Pockets", CellForm::SignedPercent, &D::Pick_Pockets),
    Num("Open_Locks", CellForm::SignedPercent, &D::Open_Locks),
    Num("Find_Traps", CellForm::SignedPercent, &D::Find_Traps),
    Num("Remove_Traps", CellForm::SignedPercent, &D::Remove_Traps),
    Num("Move_Silently", CellForm::SignedPercent, &D::Move_Silently),
    Num("Hide_in_Shadows", CellForm::SignedPercent, &D::Hide_in_Shadows),
};

using C = ConstitutionRow;
const Column<C> kConstitutionColumns[] = {
    Num("HP_Adj", CellForm::Signed, &C::HP_Adj),
    Num("System_Shock", CellForm::Percent, &C::System_Shock),
    Num("Resurection_Survival", CellForm::Percent, &C::Resurection_Survival),
    Num("Poison_Save", CellForm::Plain, &C::Poison_Save),
    Num("Immunity_to_Disease", CellForm::Percent, &C::Immunity_to_Disease),
    Txt("Regeneration", &C::Regeneration),
};

using I = IntelligenceRow;
const Column<I> kIntelligenceColumns[] = {
    Num("Maximum_Languages", CellForm::Plain, &I::Maximum_Languages),
    Txt("Maximum_Spell_Level", &I::Maximum_Spell_Level),
    Num("Learn_Spells", CellForm::SignedPercent, &I::Learn_Spells),
    Txt("Maximum_Number_Spells", &I::Maximum_Number_Spells),
    Txt("Illussion_Immunity", &I::Illussion_Immunity),
    Num("Spell_Mishap", CellForm::SignedPercent, &I::Spell_Mishap),
};

using W = WisdomRow;
const Column<W> kWisdomColumns[] = {
    Num("Magical_Defense", CellForm::Signed, &W::Magical_Defense),
    Txt("Bonus_Spells", &W::Bonus_Spells),
    Num("Spell_Failure", CellForm::SignedPercent, &W::Spell_Failure),
    Txt("Spell_Immunity", &W::Spell_Immunity),
    Num("Improve_Skill", CellForm::SignedPercent, &W::Improve_Skill),
};

using H = CharismaRow;
const Column<H> kCharismaColumns[] = {
    Num("Max_Henchmen", CellForm::Plain, &H::Max_Henchmen),
    Num("Loyalty_Base", CellForm::Plain, &H::Loyalty_Base),
    Num("Reaction_Adj", CellForm::Plain, &H::Reaction_Adj),
    Num("Com_Mod", CellForm::Plain, &H::Com_Mod),
    Num("Hon_Mod", CellForm::Plain, &H::Hon_Mod),
};

template <class Row> std::string CellText(const Row& row, const Column<Row>& column) {
    switch (column.form) {
    case CellForm::Signed:
        return Format("%+d", static_cast<int>(row.*column.number));
    case CellForm::Plain:
        return Format("%d", static_cast<int>(row.*column.number));
    case CellForm::Percent:
        return Format("%d%%", static_cast<int>(row.*column.number));
    case CellForm::SignedPercent:
        return Format("%+d%%", static_cast<int>(row.*column.number));
    case CellForm::Text:
        return row.*column.text;
    case CellForm::Band:
        return Format("%d - %d", static_cast<int>(row.*column.bandFloor) + 1,
                      static_cast<int>(row.*column.number));
    }
    return "error";
}

// Writes the named column of `row` into the shared buffer, or "error" for an unknown name.
template <class Row, std::size_t N>
const std::string& WriteCell(const Row& row, const Column<Row> (&columns)[N], const std::string& field) {
    for (const Column<Row>& column : columns) {
        if (field == column.name) {
            const std::string text = CellText(row, column);
            temporaryString2.assign(text.data(), text.size());
            return temporaryString2;
        }
    }
    temporaryString2.assign("error");
    return temporaryString2;
}

// The last row for `score` whose fractionMin is at most `fraction`, so the upper half of a
// split score is reachable; the first row of the table when none applies.
template <class Row, std::size_t N>
const Row& KeyedRow(const std::array<Row, N>& table, int score, int fraction) {
    score = std::min(score, kHighestScore);
    const Row* chosen = &table.front();
    for (const Row& row : table) {
        if (row.score == score && row.fractionMin <= fraction)
            chosen = &row;
    }
    return *chosen;
}

// Typed scores have no lower bound, so a negative one reads the row for 0 rather than
// anything before the table.
template <class Row, std::size_t N> const Row& ScoreRow(const std::array<Row, N>& table, int score) {
    static_assert(N == kHighestScore + 1, "one row per score 0..25");
    return table[static_cast<std::size_t>(std::clamp(score, 0, kHighestScore))];
}

// Indexes of the record's ability arrays.
enum Ability : std::size_t {
    kStrength,
    kDexterity,
    kConstitution,
    kIntelligence,
    kWisdom,
    kCharisma,
    kComeliness
};

using Lookup = const std::string& (*)(const std::string&, int, int);

std::string ScoreText(Ability ability) {
    return Format("%i/%i", static_cast<int>(current_character.ABILITY_BASE[ability]),
                  static_cast<int>(current_character.ABILITY_PERC[ability]));
}

// "Score" and the first `shown` columns of the table, each looked up for the character's score and
// fraction and copied out of the shared buffer before the next look-up.
template <class Row, std::size_t N>
void PushDetail(Ability ability, const Column<Row> (&columns)[N], std::size_t shown, Lookup lookup) {
    const int score = current_character.ABILITY_BASE[ability];
    const int fraction = current_character.ABILITY_PERC[ability];
    std::vector<std::string> labels{"Score"};
    std::vector<std::string> values{ScoreText(ability)};
    for (std::size_t i = 0; i < std::min(shown, N); ++i) {
        labels.emplace_back(columns[i].name);
        values.emplace_back(lookup(columns[i].name, score, fraction));
    }
    UpdateTreeBranch(kAbilityNames[ability], labels, values, static_cast<int>(labels.size()));
}

} // namespace

const std::string& AbilityScores::GetStrength(const std::string& field, int score, int fraction) {
    return WriteCell(KeyedRow(StrengthTable, score, fraction), kStrengthColumns, field);
}

const std::string& AbilityScores::GetDexterity(const std::string& field, int score, int fraction) {
    return WriteCell(KeyedRow(DexterityTable, score, fraction), kDexterityColumns, field);
}

const std::string& AbilityScores::GetIntelligence(const std::string& field, int score, int fraction) {
    return WriteCell(KeyedRow(IntelligenceTable, score, fraction), kIntelligenceColumns, field);
}

const std::string& AbilityScores::GetWisdom(const std::string& field, int score, int fraction) {
    return WriteCell(KeyedRow(WisdomTable, score, fraction), kWisdomColumns, field);
}

const std::string& AbilityScores::GetConstitution(const std::string& field, int score, int /*fraction*/) {
    return WriteCell(ScoreRow(ConstitutionTable, score), kConstitutionColumns, field);
}

const std::string& AbilityScores::GetCharisma(const std::string& field, int score, int /*fraction*/) {
    return WriteCell(ScoreRow(CharismaTable, score), kCharismaColumns, field);
}

void AbilityScores::SendAbilitiestoTree() {
    const std::vector<std::string> labels(kAbilityNames.begin(), kAbilityNames.end());
    std::vector<std::string> values;
    for (std::size_t ability = kStrength; ability <= kComeliness; ++ability)
        values.push_back(ScoreText(static_cast<Ability>(ability)));
    UpdateTreeBranch("Ability Scores", labels, values, static_cast<int>(labels.size()));

    // Each detail branch lands on its label in the summary, the first item of that name.
    SendStrengthtoTree();
    SendDexteritytoTree();
    SendConstitutiontoTree();
    SendIntelligencetoTree();
    SendWisdomtoTree();
    SendCharismatoTree();
}

void AbilityScores::SendStrengthtoTree() {
    PushDetail(kStrength, kStrengthColumns, std::size(kStrengthColumns), &GetStrength);
}

void AbilityScores::SendDexteritytoTree() {
    PushDetail(kDexterity, kDexterityColumns, std::size(kDexterityColumns), &GetDexterity);
}

void AbilityScores::SendConstitutiontoTree() {
    PushDetail(kConstitution, kConstitutionColumns, std::size(kConstitutionColumns), &GetConstitution);
}

void AbilityScores::SendIntelligencetoTree() {
    PushDetail(kIntelligence, kIntelligenceColumns, std::size(kIntelligenceColumns), &GetIntelligence);
}

void AbilityScores::SendWisdomtoTree() {
    PushDetail(kWisdom, kWisdomColumns, std::size(kWisdomColumns), &GetWisdom);
}

// The modifiers to comeliness and honor stay out of the tree; other rules read them by look-up.
void AbilityScores::SendCharismatoTree() {
    PushDetail(kCharisma, kCharismaColumns, 3, &GetCharisma);
}
