#include "files/file_frame.h"

#include <algorithm>
#include <wx/listctrl.h>

#include "app/app_icon.h"
#include "app/program_data.h"
#include "app/prompts.h"
#include "app/text_encoding.h"
#include "files/character_xml_reader.h"
#include "files/saved_characters.h"

namespace {
const char* const kCaption = "Load Character";
}

// clang-format off
wxBEGIN_EVENT_TABLE(FileFrame, wxFrame)
    EVT_LIST_ITEM_ACTIVATED(ID_FILE_LIST, FileFrame::OnOpen)
wxEND_EVENT_TABLE()
    // clang-format on

    FileFrame::FileFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL) {
    SetIcon(SampleIcon());
    list_ = new wxListCtrl(this, ID_FILE_LIST, wxPoint(10, 95), wxSize(700, 200),
                           wxLC_REPORT | wxLC_SINGLE_SEL, wxDefaultValidator, "ListView");
    // As the frame's only child the list fills the frame whatever its own box; the frame is grown to
    // the list's width and height so that all five columns show without scrolling.
    const wxSize client = GetClientSize();
    SetClientSize(wxSize(std::max(client.x, 700), std::max(client.y, 200)));
    OnSelectionStart();
}

void FileFrame::OnSelectionStart() {
    list_->ClearAll();
    rowFiles_.clear();
    const char* const columns[] = {"Name", "Class", "Level", "Race", "Sex"};
    for (int c = 0; c < 5; ++c)
        list_->InsertColumn(c, columns[c], wxLIST_FORMAT_LEFT);

    VOLDFileClass::Clear();
    VOLDFileClass::LoadCharacter();
    for (const VOLDFileClass* e = VOLDFileClass::First(); e; e = e->pNext.get()) {
        if (e->CHARACTER_NAME.empty())
            continue;
        const long row = list_->InsertItem(0, ToWx(e->CHARACTER_NAME));
        list_->SetItem(row, 1, ToWx(e->CLASS_LONG_NAME));
        list_->SetItem(row, 2, ToWx(e->LEVEL));
        list_->SetItem(row, 3, ToWx(e->RACE));
        list_->SetItem(row, 4, ToWx(e->SEX));
        rowFiles_.insert(rowFiles_.begin(), e->FILE_NAME);
    }
    // Fitted to the contents, but never narrower than the header, which GTK would otherwise cut.
    for (int c = 0; c < 5; ++c) {
        list_->SetColumnWidth(c, wxLIST_AUTOSIZE);
        const int contents = list_->GetColumnWidth(c);
        list_->SetColumnWidth(c, wxLIST_AUTOSIZE_USEHEADER);
        if (contents > list_->GetColumnWidth(c))
            list_->SetColumnWidth(c, contents);
    }
}

void FileFrame::OnOpen(wxListEvent& event) {
    // Resetting the record under an open step window would leave that window working on nothing.
    if (program_data.WizardState != 0) {
        Prompts().Message("A character is being created. Finish or close its creation steps before "
                          "opening a saved character.",
                          kCaption, wxOK | wxICON_INFORMATION);
        return;
    }
    const long row = event.GetIndex();
    if (row < 0 || static_cast<size_t>(row) >= rowFiles_.size())
        return;
    const std::string file = rowFiles_[static_cast<size_t>(row)];
    if (!OpenCharacterFile(file)) {
        Prompts().Message(ToWx("The character file \"" + file +
                               "\" could not be opened. It may have been moved or deleted since the list "
                               "was filled."),
                          kCaption, wxOK | wxICON_ERROR);
        return;
    }
    Close(true);
}
