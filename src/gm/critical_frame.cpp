#include "gm/critical_frame.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/app_icon.h"
#include "app/dice.h"
#include "app/numbers.h"
#include "app/text_encoding.h"
#include "gm/critical_roll.h"
#include "gm/critical_table.h"

const char* const kCriticalTypeNames[4] = {"Puncturing", "Hacking", "Crushing", "Monster Bites"};

const char* const kCriticalLegend[34] = {
    "Critical Hit Notations",
    "numeral X = extra damage of dX type",
    "aX = -X to-hit",
    "bX = p if spine; ws if arm or shoulder; 30% chance of pb; 30% chance of ib if torso",
    "bfX = p if spine; ws if arm or shoulder; 30% chance of pb; 30% chance of ib if torso",
    "bmX = 50% chance of pb, 50% chance of ib if torso",
    "bsX = 65% chance of pb, 65% chance of ib if torso",
    "dX = reduce Deterity by X",
    "f = fall prone",
    "hX = loss of X Honor",
    "ib = 1d4 damage/hour; CON check for shock",
    "ls = limb severed; pb unless finger or toe",
    "m1 = 50% move for 1 rd, 10% for 2d4 rds",
    "m2 = 50% move for 2 rds, 25% for 2d10 rds",
    "m3 = m1, then 1 25% for 1d6 turns",
    "m4 = 50% move for 1d12 hours",
    "m5 = m4, then 25% for 1d12 days",
    "m6 = 75% for 6 hours, 50% for 2d12 days",
    "m7 = 75% for 6 hours, 50% for 4d12 days",
    "m8 = 75% for 6 hours, 50% for 1d3 months",
    "m9 = 75% for 1 day, 50% for 1d4 months",
    "m10 = 75% for 1 week, 50% for 1d6 months",
    "mc = temporarily gains migraines flaw and headache. 3% x severity level chance of seizure disorder",
    "mtX = ws if arm; 3% x severity level of pb",
    "p = 5% x severity level chance of paralysis",
    "pb = bleed to death in Con/2 rounds",
    "sc = temporarily gains migraines and short term memory loss flaws. 5% x severity level chance of "
    "seizure disorder flaw",
    "sX - reduce Strength by x",
    "tX = ws if arm, shoulder or hand; p if leg or arm, shoulder or hand; 30% chance of pb",
    "u = unconscious",
    "vX = ws (-10); ib; 3% x severity chance of pb; roll on vital organ damage table",
    "w = drops carried weapons or items",
    "ws = as w unless check at 1/2 Str made",
    "xX = X times the damage",
};

wxBEGIN_EVENT_TABLE(CriticalFrame, wxFrame)
    EVT_BUTTON(ID_CRITICAL_ROLL_LOCATION, CriticalFrame::OnRollBase)
    EVT_BUTTON(ID_CRITICAL_ROLL_SEVERITY, CriticalFrame::OnRollSevere)
    EVT_BUTTON(ID_CRITICAL_EXPLAIN, CriticalFrame::OnExplain)
wxEND_EVENT_TABLE()

namespace {

int32_t ReadBox(const wxTextCtrl* box) {
    return ParseLeadingInt(FromWx(box->GetValue()));
}

void WriteBox(wxTextCtrl* box, int32_t value) {
    box->ChangeValue(ToWx(Format("%i", value)));
}

} // namespace

CriticalFrame::CriticalFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL) {
    SetIcon(SampleIcon());

    const long caption = wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE;
    Button[0] = new wxButton(this, ID_CRITICAL_ROLL_LOCATION, "Roll", wxPoint(10, 27), wxSize(50, 25));
    StaticText[0] = new wxStaticText(this, ID_CRITICAL_LOCATION_TEXT, "d10,000", wxPoint(70, 10),
                                     wxSize(70, 15), caption);
    TextBox[0] =
        new wxTextCtrl(this, ID_CRITICAL_LOCATION_BOX, "", wxPoint(70, 30), wxSize(70, 20), wxTE_CENTRE);
    StaticText[1] =
        new wxStaticText(this, ID_CRITICAL_BASE_TEXT, "BSL", wxPoint(145, 10), wxSize(40, 15), caption);
    TextBox[1] =
        new wxTextCtrl(this, ID_CRITICAL_BASE_BOX, "", wxPoint(145, 30), wxSize(40, 20), wxTE_CENTRE);
    Button[1] = new wxButton(this, ID_CRITICAL_ROLL_SEVERITY, "Roll", wxPoint(200, 27), wxSize(50, 25));
    // GTK's font needs 100 pixels for the caption; it stays centred over its box.
    StaticText[2] = new wxStaticText(this, ID_CRITICAL_SEVERITY_TEXT, "Severity Level", wxPoint(240, 10),
                                     wxSize(100, 15), caption);
    TextBox[2] =
        new wxTextCtrl(this, ID_CRITICAL_SEVERITY_BOX, "", wxPoint(260, 30), wxSize(60, 20), wxTE_CENTRE);

    wxArrayString types;
    for (const char* name : kCriticalTypeNames)
        types.Add(name);
    // A drop-down's given height is its list's on some toolkits; here the box keeps its natural height.
    // GTK's arrow button takes 40 pixels, so the box is 30 wider to show "Monster Bites" whole.
    ComboBox[0] = new wxComboBox(this, ID_CRITICAL_TYPE, types[0], wxPoint(330, 30), wxSize(160, -1), types,
                                 wxCB_DROPDOWN | wxCB_READONLY);
    ComboBox[0]->SetSelection(0);

    Button[2] = new wxButton(this, ID_CRITICAL_EXPLAIN, "Use numbers entered above", wxPoint(200, 70),
                             wxSize(200, 25));
    StaticText[4] =
        new wxStaticText(this, ID_CRITICAL_RESULT, "Result", wxPoint(10, 105), wxSize(380, 15), 0);

    wxArrayString legend;
    for (const char* entry : kCriticalLegend)
        legend.Add(entry);
    ComboBox[1] = new wxComboBox(this, ID_CRITICAL_LEGEND, legend[0], wxPoint(10, 130), wxSize(570, -1),
                                 legend, wxCB_DROPDOWN | wxCB_READONLY);
    ComboBox[1]->SetSelection(0);
}

void CriticalFrame::OnRollBase(wxCommandEvent&) {
    WriteBox(TextBox[0], DiceRoll(10000, 1));
}

void CriticalFrame::OnRollSevere(wxCommandEvent&) {
    WriteBox(TextBox[2], CriticalHitDiceRoll(8, 1, ReadBox(TextBox[1])));
}

void CriticalFrame::OnExplain(wxCommandEvent&) {
    const int type = ComboBox[0]->GetSelection();
    std::string out;
    Criticalhit(ReadBox(TextBox[0]), ReadBox(TextBox[2]), type, out);
    StaticText[4]->SetLabelText(ToWx(out));
}

int32_t CriticalFrame::CriticalHitDiceRoll(int32_t sides, int32_t count, int32_t base) {
    return ::CriticalHitDiceRoll(sides, count, base);
}

void CriticalFrame::Criticalhit(int32_t roll, int32_t severity, int32_t type, std::string& out) {
    ::Criticalhit(roll, severity, type, out);
}
