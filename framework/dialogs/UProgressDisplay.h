#pragma once
// The eight progress controls that progress dialogs and panels share: main and detail text,
// bar, elapsed time and time left.
#include "UDialogTemplates.h"

#include <vector>

class CWnd;
class CWindowsProgressAction;

class UProgressDisplay {
public:
    static constexpr int kMainText = 10021;
    static constexpr int kMainBar = 10080;
    static constexpr int kMainElapsed = 10031;
    static constexpr int kMainLeft = 10035;
    static constexpr int kDetailText = 10026;
    static constexpr int kDetailBar = 10081;
    static constexpr int kDetailElapsed = 10032;
    static constexpr int kDetailLeft = 10036;

    // The controls' template items, placed from the top y in dialog units.
    static std::vector<MvDialogItem> Items(short y);
    // Empties every text, gives both bars 0 to 100, hides the detail text and bar.
    static void Clear(CWnd* host);
    // Shows the action's state; texts change only when they differ.
    static void Update(CWnd* host, CWindowsProgressAction* action);
};
