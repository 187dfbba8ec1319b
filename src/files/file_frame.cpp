#include "files/file_frame.h"

#include <wx/listctrl.h>

#include "app/app_globals.h"
#include "app/app_icon.h"
#include "app/numbers.h"
#include "app/program_data.h"
#include "app/prompts.h"
#include "app/text_encoding.h"
#include "files/character_xml_reader.h"
#include "files/saved_character_view.h"

namespace {
const char* const kCaption = "Load Character";
}

wxBEGIN_EVENT_TABLE(FileFrame, wxFrame)
    EVT_LIST_ITEM_ACTIVATED(ID_FILE_LIST, FileFrame::OnOpen)
wxEND_EVENT_TABLE()

FileFrame::FileFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL) {
    SetIcon(SampleIcon());
    list_ = CreateSavedCharacterList(this);
    OnSelectionStart();
}

void FileFrame::OnSelectionStart() {
    rowFiles_ = FillSavedCharacterList(list_);
}

void FileFrame::OnOpen(wxListEvent& event) {
    // Resetting the record under an open step window would leave that window working on another
    // character. The equipment step, opened by the alignment step, runs with the state already at 0.
    if (program_data.WizardState != kWizardNone || CreationStepOpen()) {
        Prompts().Message("A character is being created. Finish or close its creation steps before "
                          "opening a saved character.",
                          kCaption, wxOK | wxICON_INFORMATION);
        return;
    }
    const long row = event.GetIndex();
    if (row < 0 || static_cast<size_t>(row) >= rowFiles_.size())
        return;
    const std::string file = rowFiles_[static_cast<size_t>(row)];
    size_t damagedLine = 0;
    if (!OpenCharacterFile(file, &damagedLine)) {
        if (damagedLine != 0) {
            Prompts().Message(ToWx(Format("The character file \"%s\" is damaged or incomplete (line %zu). "
                                          "Nothing was opened.",
                                          ShortenMiddle(file).c_str(), damagedLine)),
                              kCaption, wxOK | wxICON_ERROR);
            return;
        }
        Prompts().Message(ToWx("The character file \"" + ShortenMiddle(file) +
                               "\" could not be opened. It may have been moved or deleted since the list "
                               "was filled."),
                          kCaption, wxOK | wxICON_ERROR);
        return;
    }
    Close(true);
}
