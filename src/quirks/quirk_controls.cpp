#include "quirks/quirk_controls.h"

#include <wx/arrstr.h>
#include <wx/ctrlsub.h>
#include <wx/frame.h>
#include <wx/menu.h>

#include "app/app_globals.h"
#include "app/text_encoding.h"

void AddQuirkStepMenu(wxFrame& frame, wxMenuBar*& menuBar, wxMenu*& menu) {
    menu = new wxMenu;
    menu->Append(ID_QUIRK_MENU_CONTINUE, "&Continue", "Go on to the next step");
    menu->AppendSeparator();
    menu->Append(ID_QUIRK_MENU_ABORT, "Ab&ort", "Abort character");
    menuBar = new wxMenuBar;
    menuBar->Append(menu, "&Menu");
    frame.SetMenuBar(menuBar);
    frame.CreateStatusBar(3);
}

void ShowLines(wxItemContainer& box, const std::vector<std::string>& lines, bool selectFirst) {
    wxArrayString items;
    for (const std::string& line : lines)
        items.Add(ToWx(line));
    box.Set(items);
    if (selectFirst && !box.IsEmpty())
        box.SetSelection(0);
}

void EndQuirkStepWindow(std::initializer_list<int> slots, const wxFrame* frame, bool continued) {
    for (int slot : slots)
        EndStepWindow(slot, frame, continued);
}
