// Look-ups in the ability tables by column name, score and fraction.
#pragma once

#include <string>

// The one result buffer of the ability look-ups: each look-up overwrites it and returns it,
// so a caller that needs two results copies or parses the first before the second call.
// Global because every step, sheet and pusher reads the last look-up through it.
extern std::string temporaryString2;

// Carries no state; any number of these may exist. Column names are compared whole and
// case-sensitively. A score above 25 reads as 25.
class AbilityScores {
public:
    // The text of column `field` in the row for `score` and `fraction`, or "error" when `field`
    // names no column of the table. The keyed tables take the last row whose score equals
    // `score` and whose fractionMin is at most `fraction`; with no such row, their first row.
    static const std::string& GetStrength(const std::string& field, int score, int fraction);
    static const std::string& GetDexterity(const std::string& field, int score, int fraction);
    static const std::string& GetIntelligence(const std::string& field, int score, int fraction);
    static const std::string& GetWisdom(const std::string& field, int score, int fraction);

    // The same, with the row chosen by `score` alone (a negative score reads the row for 0);
    // `fraction` is ignored.
    static const std::string& GetConstitution(const std::string& field, int score, int fraction);
    static const std::string& GetCharisma(const std::string& field, int score, int fraction);

    // The character tree. The summary branch "Ability Scores" holds the seven scores as "%i/%i"; each
    // detail pusher then fills that ability's label in it with "Score" and the table's columns (Charisma
    // only its first three) as looked up for the character's score and fraction. An empty cell leaves
    // its label without a value.
    static void SendAbilitiestoTree(); // the summary, then the six detail branches
    static void SendStrengthtoTree();
    static void SendDexteritytoTree();
    static void SendConstitutiontoTree();
    static void SendIntelligencetoTree();
    static void SendWisdomtoTree();
    static void SendCharismatoTree();
};
