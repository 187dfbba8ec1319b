#include "gm/honor_file_frame.h"

#include <utility>
#include <wx/listctrl.h>

#include "app/app_icon.h"
#include "gm/honor_party.h"

wxBEGIN_EVENT_TABLE(HonorFileFrame, wxFrame)
    EVT_LIST_ITEM_ACTIVATED(ID_FILE_LIST, HonorFileFrame::OnOpen)
wxEND_EVENT_TABLE()

HonorFileFrame::HonorFileFrame(wxWindow* parent, MemberAdded added, const wxString& title, const wxPoint& pos,
                               const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL),
      added_(std::move(added)) {
    SetIcon(SampleIcon());
    list_ = CreateSavedCharacterList(this);
    OnSelectionStart();
}

void HonorFileFrame::OnSelectionStart() {
    rowFiles_ = FillSavedCharacterList(list_);
}

void HonorFileFrame::OnOpen(wxListEvent& event) {
    const long row = event.GetIndex();
    if (row < 0 || static_cast<size_t>(row) >= rowFiles_.size())
        return;
    const std::optional<PartyAddition> added = AddSavedCharacter(rowFiles_[static_cast<size_t>(row)]);
    if (!added)
        return;
    added_(added->slot, added->row);
    Close(true);
}
