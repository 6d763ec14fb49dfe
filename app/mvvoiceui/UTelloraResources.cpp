#include "UTelloraResources.h"

#include "win32/dialogs/Resources.h"
#include "win32/Messages.h"
#include "win32/dialogs/Menu.h"

namespace {
using M = MvMenuItemTemplate;
const M kSeparator("", 0, MF_SEPARATOR);

void RegisterMenu()
{
    MvRegisterMenu(UTelloraResources::kFrame,
                   {M("&File", 0, 0,
                      {M("New", 57600), M("Open...", 57601), M("Save As...", 32771), kSeparator,
                       M("Open Settings...", 32773), M("Save Settings...", 32772), kSeparator,
                       M("Load Skipped Codecs...", 57610), M("Options...", 32776), kSeparator, M("E&xit", 57665)}),
                    M("Edit", 0, 0,
                      {M("Undo", 57643), M("Redo", 57644), kSeparator, M("Cu&t\tCtrl+X", 57635),
                       M("&Copy\tCtrl+C", 57634), M("&Paste\tCtrl+V", 57637), M("Clear\tCtrl+K", 57632), kSeparator,
                       M("Select &All\tCtrl+A", 57642)}),
                    M("Speech", 0, 0,
                      {M("Start", 32774), M("Start from Cursor", 32795), M("Pause", 32775), M("Stop", 32778),
                       kSeparator, M("Record...", UTelloraResources::kRecord)}),
                    M("&Help", 0, 0,
                      {M("Contents", 57667), kSeparator, M("Auto Upgrade...", 32780), kSeparator,
                       M("&About Morvane Tellora...", 57664)})});
}

void RegisterAccelerators()
{
    constexpr BYTE kKey = FVIRTKEY | FNOINVERT;
    MvRegisterAccelerators(UTelloraResources::kFrame, {
                                                          {kKey | FCONTROL, 'C', 57634},
                                                          {kKey | FCONTROL, VK_INSERT, 57634},
                                                          {kKey | FCONTROL, 'V', 57637},
                                                          {kKey | FSHIFT, VK_INSERT, 57637},
                                                          {kKey | FCONTROL, 'X', 57635},
                                                          {kKey | FSHIFT, VK_DELETE, 57635},
                                                          {kKey | FALT, VK_BACK, 57643},
                                                          {kKey | FCONTROL, 'Z', 57643},
                                                          {kKey, VK_F6, 0xE150},
                                                          {kKey | FSHIFT, VK_F6, 0xE151},
                                                      });
}

void RegisterPrompts()
{
    const struct {
        UINT id;
        const char* text;
    } prompts[] = {{32774, "Start talking"},
                   {32795, "Start talking from the cursor position"},
                   {32775, "Pause talking"},
                   {32778, "Stop talking"},
                   {32777, "Record to an audio file"},
                   {32776, "Program options"},
                   {57610, "Load skipped codecs"},
                   {32771, "Save as RTF file"},
                   {32772, "Save recording settings"},
                   {32773, "Load recording settings"},
                   {57600, "New document"},
                   {57601, "Open text or RTF file"}};
    for (const auto& p : prompts) MvRegisterString(p.id, p.text);
}
} // namespace

void UTelloraResources::Register()
{
    static const bool done = [] {
        RegisterMenu();
        RegisterAccelerators();
        RegisterPrompts();
        MvRegisterToolBar(kToolBar, {32774, 32795, 32775, 32778, 0, kRecord});
        return true;
    }();
    (void)done;
}
