// The open dialog on a real display, for the end-to-end test: it shows a
// TOpenDialog on the folder it is given, `rounds` times one after another.
// Each time the chooser shows it prints where a script should click (the
// list's first two rows and the Open button, in screen coordinates, and the
// filter box's arrow as an offset from the window's top-left corner, for a
// window the manager may move), then the chosen path or "cancelled" once the
// dialog closes.

#include "platform/backends/sdl/SdlBackend.h"
#include "ui/forms/Application.h"
#include "ui/stdctrls/Button.h"
#include "ui/stdctrls/ComboBox.h"
#include "ui/commondlg/FileChooserForm.h"
#include "ui/commondlg/FileDialogs.h"
#include "ui/views/ListView.h"
#include "ui/forms/Screen.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

namespace {

void say(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

TFileChooserForm* shownChooser()
{
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (auto* form = dynamic_cast<TFileChooserForm*>(Screen->Forms(i)))
            if (form->Visible() && form->HandleAllocated())
                return form;
    return nullptr;
}

std::string pointText(TPoint p)
{
    return std::to_string(p.x) + " " + std::to_string(p.y);
}

// Once per round, when the chooser is up and idle.
void reportTargets(int round)
{
    TFileChooserForm* form = shownChooser();
    if (!form)
        return;
    TListView* list = form->FileList();
    auto row = [&](int index) {
        return list->ClientToScreen(
            TPoint{40, list->HeaderHeight() + index * list->RowHeight() + list->RowHeight() / 2});
    };
    TButton* open = form->OkButton();
    TPoint openPoint = open->ClientToScreen(TPoint{open->Width() / 2, open->Height() / 2});
    TComboBox* filter = form->FilterCombo();
    TPoint arrow = filter->ClientToScreen(TPoint{filter->Width() - 8, filter->Height() / 2});
    RECT window;
    GetWindowRect(form->Handle(), &window);
    say("targets " + std::to_string(round) + " row0 " + pointText(row(0)) + " row1 " + pointText(row(1)) + " open " +
        pointText(openPoint) + " filter " + pointText(TPoint{arrow.x - window.left, arrow.y - window.top}));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: file_chooser_demo <folder> <rounds>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int rounds = std::atoi(argv[2]);
    try {
        UseSdlBackend();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "file_chooser_demo: %s\n", e.what());
        return 2;
    }
    Application->Initialize();
    int reported = 0;
    int round = 0;
    Application->OnIdle = [&](TObject*, bool&) {
        if (reported < round && shownChooser()) {
            reportTargets(round);
            reported = round;
        }
    };
    for (round = 1; round <= rounds; ++round) {
        TOpenDialog dialog(nullptr);
        dialog.SetTitle("Choose a sound");
        dialog.SetFilter("Music File|*.wav; *.mp3|All File|*.*");
        dialog.SetInitialDir(folder);
        dialog.SetOptions({ofHideReadOnly, ofFileMustExist, ofPathMustExist});
        say("round " + std::to_string(round));
        if (dialog.Execute())
            say("chosen " + dialog.FileName());
        else
            say("cancelled");
    }
    Application->OnIdle = nullptr;
    say("done");
    return 0;
}
