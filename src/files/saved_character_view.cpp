#include "files/saved_character_view.h"

#include <algorithm>
#include <wx/frame.h>
#include <wx/listctrl.h>

#include "app/text_encoding.h"
#include "files/saved_characters.h"

wxListCtrl* CreateSavedCharacterList(wxFrame* frame) {
    auto* list = new wxListCtrl(frame, ID_FILE_LIST, wxPoint(10, 95), wxSize(700, 200),
                                wxLC_REPORT | wxLC_SINGLE_SEL, wxDefaultValidator, "ListView");
    // As the frame's only child the list fills the frame whatever its own box; the frame is grown to
    // the list's width and height so that all five columns show without scrolling.
    const wxSize client = frame->GetClientSize();
    frame->SetClientSize(wxSize(std::max(client.x, 700), std::max(client.y, 200)));
    return list;
}

std::vector<std::string> FillSavedCharacterList(wxListCtrl* list) {
    list->ClearAll();
    std::vector<std::string> rowFiles;
    const char* const columns[] = {"Name", "Class", "Level", "Race", "Sex"};
    for (int c = 0; c < 5; ++c)
        list->InsertColumn(c, columns[c], wxLIST_FORMAT_LEFT);

    VOLDFileClass::Clear();
    VOLDFileClass::LoadCharacter();
    std::vector<const VOLDFileClass*> named;
    for (const VOLDFileClass* e = VOLDFileClass::First(); e; e = e->pNext.get())
        if (!e->CHARACTER_NAME.empty())
            named.push_back(e);
    // Rows are appended from the file found last, which costs the same for every row where putting each
    // in front would move all the rows before it.
    for (auto it = named.rbegin(); it != named.rend(); ++it) {
        const VOLDFileClass* e = *it;
        const long row = list->InsertItem(list->GetItemCount(), ToWxShown(e->CHARACTER_NAME));
        list->SetItem(row, 1, ToWxShown(e->CLASS_LONG_NAME));
        list->SetItem(row, 2, ToWxShown(e->LEVEL));
        list->SetItem(row, 3, ToWxShown(e->RACE));
        list->SetItem(row, 4, ToWxShown(e->SEX));
        rowFiles.push_back(e->FILE_NAME);
    }
    // Fitted to the contents, but never narrower than the header, which GTK would otherwise cut.
    for (int c = 0; c < 5; ++c) {
        list->SetColumnWidth(c, wxLIST_AUTOSIZE);
        const int contents = list->GetColumnWidth(c);
        list->SetColumnWidth(c, wxLIST_AUTOSIZE_USEHEADER);
        if (contents > list->GetColumnWidth(c))
            list->SetColumnWidth(c, contents);
    }
    return rowFiles;
}
