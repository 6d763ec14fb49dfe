#pragma once
// What the camera settings dialogs share: their title, the sound page's caption, the
// layouts their pages show, and closing the pages before the record they show.
#include <initializer_list>

class CPanel;
class CPanelStack;

class UCameraDialogPages {
public:
    static constexpr const char* kTitle = "WebCam Settings";
    static constexpr const char* kAudioCaption = "Audio (Recording Only)";
    // The recorder and 3D pages show their base layouts; the sound page the application's.
    static constexpr unsigned long kBaseLayouts = 1;
    static constexpr unsigned long kRunningApplication = 0;

    // Closes the pages in the order given and empties the stack.
    static void Close(CPanelStack& stack, std::initializer_list<CPanel*> pages);
};
