#include "files/character_sheet.h"

#include "app/character.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "app/text_encoding.h"
#include "catalog/race_catalog.h"
#include "files/character_derived_values.h"
#include "files/character_file_path.h"
#include "files/sheet_lines.h"

namespace {

// The sheet's markup keeps the irregular lines printed sheets have always had (a doubled "<TR>",
// headings left open, a doubled "</TR>"): browsers mend them alike, and the page stays line for line
// what users compare their old sheets with.

void WriteHead(SheetLines& s) {
    s.Line("<HTML>");
    s.Line(" <HEAD>");
    s.Line("  <TITLE>Gorewright Character Generator ", program_data.ProgramVersion, " ",
           current_character.CHARACTER_NAME, "</TITLE>");
    s.Line(" </HEAD>");
    s.Line("<BODY>");
}

void WriteCharacterInformation(SheetLines& s) {
    const Character_Class& pc = current_character;
    const CharacterRace* race = pc.pRace;
    static const std::string none;
    s.BoxOpen();
    s.Line("<TABLE WIDTH=100% VALIGN=MIDDLE ALIGN=CENTER>");
    s.Line("<TR>");
    s.Line("<TR>");
    s.Line("<TD COLSPAN=4><BIG><B><CENTER>Character Information</TD>");
    s.Line("</TR>");
    s.Line("<TD ALIGN=LEFT>Character: ", pc.CHARACTER_NAME, "</TD>");
    s.Line("<TD COLSPAN=3 ALIGN=LEFT>Player: </TD>");
    s.Line("</TR>");
    s.Line("<TR>");
    s.Line("<TD ALIGN=LEFT>Race: ", race ? race->NAME : none, "</TD>");
    s.Line("<TD COLSPAN=2 ALIGN=LEFT>Class: ", pc.CLASS_LONG_NAME, "</TD>");
    s.Line("<TD ALIGN=LEFT>Level: ", pc.LEVEL, "</TD>");
    s.Line("</TR>");
    s.Line("<TR>");
    s.Line("<TD ALIGN=LEFT>Homeland: </TD>");
    s.Line("<TD COLSPAN=3 ALIGN=LEFT>Alignment: ", pc.ALIGNMENT, "</TD>");
    s.Line("</TR>");
    s.Line("<TR>");
    s.Line("<TD ALIGN=LEFT>Liege/Patron: </TD>");
    s.Line("<TD COLSPAN=3 ALIGN=LEFT>Patron Gawd:</TD>");
    s.Line("</TR>");
    s.Line("<TR>");
    s.Line("<TD ALIGN=LEFT>Social Class: ", pc.SOCIAL_CLASS, "</TD>");
    s.Line("<TD COLSPAN=3 ALIGN=LEFT>Family/Clan: </TD>");
    s.Line("</TR>");
    s.Line("<TR>");
    s.Line("<TD ALIGN=LEFT>Height: ", pc.CHARACTER_HEIGHT, "</TD>");
    s.Line("<TD COLSPAN=3 ALIGN=LEFT>Weight: ", pc.CHARACTER_WEIGHT, " lbs.</TD>");
    s.Line("</TR>");
    s.Line("<TR>");
    s.Line("<TD ALIGN=LEFT>Sex: ", race ? race->SEX : none, "</TD>");
    s.Line("</TR>");
    s.Line("<TR>");
    s.Line("<TD ALIGN=LEFT>Birth Date:</TD>");
    s.Line("<TD COLSPAN=2 ALIGN=LEFT>Handedness: ", pc.HANDEDNESS, "</TD>");
    s.Line("<TD ALIGN=LEFT>Age: ", pc.AGE, "</TD>");
    s.Line("</TR>");
    s.Line("<TR>");
    s.Line("<TD ALIGN=LEFT>Appearance: </TD>");
    s.Line("</TR>");
    s.Line("</TABLE>");
    s.Line("</TD></TR></TABLE><BR>");
}

// The markup of one modifier's label and value cells; most take one column each.
struct ModifierCells {
    const char* labelOpen;
    const char* valueOpen;
    const char* valueEnd;
};

ModifierCells CellsFor(const std::string& key) {
    static const char* const one = "<TD ALIGN=LEFT ><SMALL>";
    static const char* const two = "<TD COLSPAN=2 ALIGN=LEFT ><SMALL>";
    static const char* const three = "<TD COLSPAN=3 ALIGN=LEFT ><SMALL>";
    static const char* const single = "<TD COLSPAN=1 ALIGN=LEFT ><SMALL>";
    static const struct {
        const char* key;
        ModifierCells cells;
    } wide[] = {
        {"Defense_adj", {two, two, "</TD>"}},      {"Reaction_adj", {single, three, "</TD>"}},
        {"Missile_adj", {single, three, "</TD>"}}, {"HP_Adj", {one, one, " </TD>"}},
        {"Magical_Defense", {two, one, "</TD>"}},  {"Bonus_Spells", {one, two, "</TD>"}},
        {"Max_Henchmen", {two, one, "</TD>"}},     {"Loyalty_Base", {one, two, "</TD>"}},
    };
    for (const auto& w : wide)
        if (key == w.key)
            return w.cells;
    return {one, one, "</TD>"};
}

void WriteAbilities(SheetLines& s) {
    const Character_Class& pc = current_character;
    s.BoxOpen();
    s.Line("<TABLE WIDTH=100% VALIGN=MIDDLE ALIGN=CENTER>");
    s.Line("<TR>");
    s.Line("<TD COLSPAN=15><BIG><B><CENTER>Abilities</TD>");
    s.Line("</TR>");
    const std::vector<AbilityRow>& rows = AbilityRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        const AbilityRow& row = rows[i];
        s.Line("<TR>");
        s.Line("<TD ALIGN=RIGHT><BIG><B>", row.abbr, "</B>:</TD>");
        s.Line("<TD ALIGN=LEFT>", pc.ABILITY_BASE[i], "/", pc.ABILITY_PERC[i], "</TD>");
        if (!row.lookUp) {
            s.Line("<TD COLSPAN=13 ALIGN=LEFT></TD>");
            s.Line("</TR>");
            continue;
        }
        s.Line("<TD ALIGN=LEFT></TD>");
        for (const AbilityModifier& m : row.modifiers) {
            const ModifierCells cells = CellsFor(m.key);
            s.Line(Markup(cells.labelOpen), m.label, "</TD>");
            s.Line(Markup(cells.valueOpen), row.lookUp(m.key, pc.ABILITY_BASE[i], pc.ABILITY_PERC[i]),
                   Markup(cells.valueEnd));
        }
        s.Line("</TR>");
    }
    s.Line("<TR>");
    s.Line("<TD ALIGN=RIGHT><BIG><B>HON</B>:</TD>");
    s.Line("<TD ALIGN=LEFT>", pc.HONOR_BASE, "</TD>");
    s.Line("<TD ALIGN=LEFT></TD>");
    s.Line("<TD COLSPAN=2 ALIGN=LEFT><BIG><B>FAME</B>:</TD>");
    s.Line("<TD COLSPAN=10 ALIGN=LEFT>", pc.HONOR_DICE_TEXT, "</TD>");
    s.Line("</TR>");
    s.Line("</TABLE>");
    s.Line("</TD></TR></TABLE>");
    s.Line("<BR>");
}

void WriteHitPoints(SheetLines& s) {
    s.ListOpen("Hit Points");
    s.Line("<LI>Hit Points: ", current_character.HIT_POINTS);
    s.ListClose();
}

void WriteExperience(SheetLines& s) {
    s.ListOpen("Experience Points");
    for (const ClassDataItem* c = ClassDataItem::First(); c; c = c->pNext.get())
        s.Line("<LI>", c->CLASS_NAME, ": ", FormatGeneral(c->CLASS_EXP));
    s.ListClose();
}

void WriteSavingThrows(SheetLines& s) {
    const std::vector<SavingThrow> throws = SavingThrows();
    const auto cell = [&s, &throws](size_t i) {
        const bool wide = i == 10 || i == 11; // Breath Weapon and Apology
        s.Line(Markup(wide ? "<TD COLSPAN=2 ALIGN=LEFT>" : "<TD ALIGN=LEFT>"), throws[i].saveName, ": ",
               throws[i].value, "</TD>");
    };
    s.BoxOpen();
    s.Line("<TABLE WIDTH=100% ALIGN=CENTER>");
    s.Line("<TR>");
    s.Line("<TD COLSPAN=5><BIG><B><CENTER>Saving Throws</TD>");
    s.Line("<TR>");
    for (size_t i = 0; i < 5; ++i)
        cell(i);
    s.Line("</TR>");
    s.Line("<TR>");
    for (size_t i = 5; i < 10; ++i)
        cell(i);
    s.Line("<TR>");
    for (size_t i = 10; i < 13; ++i)
        cell(i);
    s.Line("</TR>");
    s.Line("</TR>");
    s.Line("</TABLE>");
    s.BoxClose();
}

void WriteMovement(SheetLines& s) {
    const MovementRates m = CharacterMovement();
    s.BoxOpen();
    s.Line("<TABLE VALIGN=MIDDLE ALIGN=CENTER WIDTH=100%>");
    s.Line("<TR>");
    s.Line("<TD COLSPAN=8><BIG><B><CENTER>Movement and Encumbrance</TD></TR>");
    s.Line("<TR>");
    s.Line("<TD ALIGN=LEFT>Encumbrance:</TD>");
    for (const char* heading : {"Unencumbered", "Light", "Moderate", "Heavy", "Severe", "Jog", "Run"})
        s.Line("<TD ALIGN=CENTER>", heading, "</TD>");
    s.Line("</TR>");
    s.Line("<TR>");
    s.Line("<TD ALIGN=LEFT>Weight (lbs):</TD>");
    s.Line("<TD ALIGN=CENTER>0-", m.allowance, "</TD>");
    for (const std::string* load : {&m.lightLoad, &m.moderateLoad, &m.heavyLoad, &m.severeLoad})
        s.Line("<TD ALIGN=CENTER>", *load, "</TD>");
    s.Line("<TD ALIGN=CENTER></TD>");
    s.Line("<TD ALIGN=CENTER></TD>");
    s.Line("</TR>");
    s.Line("<TR>");
    s.Line("<TD ALIGN=LEFT>Movement:</TD>");
    s.Line("<TD ALIGN=CENTER>", m.unencumbered, "</TD>");
    s.Line("<TD ALIGN=CENTER>", FormatGeneral(m.light), "</TD>");
    s.Line("<TD ALIGN=CENTER>", m.moderate, "</TD>");
    s.Line("<TD ALIGN=CENTER>", m.heavy, "</TD>");
    s.Line("<TD ALIGN=CENTER>1</TD>");
    s.Line("<TD ALIGN=CENTER>x2</TD>");
    s.Line("<TD ALIGN=CENTER>x3</TD>");
    s.Line("</TR>");
    s.Line("<TR>");
    s.Line("<TD COLSPAN=10 ALIGN=LEFT>Currently carrying  </TD>");
    s.Line("</TR>");
    s.Line("</TABLE>");
    s.BoxClose();
}

void WriteRacialAbilities(SheetLines& s) {
    const RacialTexts racial = CharacterRacialTexts();
    const auto items = [&s](const std::vector<std::string>& texts) {
        for (const std::string& t : texts)
            s.Line("<LI>", t);
    };
    s.BoxOpen();
    s.Line("<TABLE VALIGN=MIDDLE WIDTH=100% ALIGN=CENTER>");
    s.Line("<TR>");
    s.Line("<TD><BIG><B><CENTER>Racial Abilities</TD>");
    s.Line("</TR>");
    s.Line("<TR>");
    s.Line("<TD><B>Racial Bonuses</TD>");
    s.Line("<TR>");
    s.Line("<TD>");
    items(racial.bonuses);
    s.Line("</TD>");
    s.Line("</TR>");
    s.Line("<TD><B>Talents</TD>");
    s.Line("<TR><TD>");
    items(racial.talents);
    s.Line("</TD>");
    s.Line("</TR>");
    s.Line("<TD><B>The Downside</TD>");
    s.Line("<TR><TD>");
    items(racial.downsides);
    s.Line("</TD>");
    s.Line("</TR>");
    s.Line("</TABLE>");
    s.Line("</TD>");
    s.Line("</TR></TABLE>");
    s.Line("<BR>");
}

} // namespace

std::string CharacterHTMLText() {
    SheetLines sheet;
    WriteHead(sheet);
    WriteCharacterInformation(sheet);
    WriteAbilities(sheet);
    WriteHitPoints(sheet);
    WriteExperience(sheet);
    WriteSavingThrows(sheet);
    WriteMovement(sheet);
    WriteRacialAbilities(sheet);
    WriteSheetDetails(sheet);
    return std::move(sheet.Text());
}

bool CreateHTMLSheet(const std::string& characterName, const std::filesystem::path& savedCharacterFile) {
    SaveFailureText failureText;
    if (!savedCharacterFile.empty())
        failureText = [saved = ShortenMiddle(savedCharacterFile.string())](const std::string& shownPath,
                                                                           const std::string& why) {
            return "The character was saved to " + saved + ". Only its sheet could not be saved to " +
                   shownPath + ": " + why + ". Any earlier sheet of that name is unchanged.";
        };
    return SaveCharacterFile(
        "CharacterHTML", characterName, ".html",
        [](std::string& bytes) {
            bytes = CharacterHTMLText();
            return true;
        },
        failureText);
}
