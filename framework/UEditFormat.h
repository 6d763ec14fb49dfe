#pragma once
// What the rich-text editor page and pane share: the stored text style applied to and
// taken from the editor, the tool bar mirroring the selection's format, and whole
// files read into and written from the editor.
#include "win32/WinTypes.h"

class CBitmapCheckBox;
class CFontCombo;
class CFontSizeCombo;
class CStyledEdit;
class CTextSetting;

class UEditFormat {
public:
    UEditFormat& operator=(const UEditFormat&) { return *this; }

    // The six check boxes: bold, italic, underline, left, center, right.
    struct Tools {
        CFontCombo* font;
        CFontSizeCombo* size;
        CBitmapCheckBox* boxes[6];
    };
    static constexpr int kFirstBox = 10069;

    // Loads each check box's up (also focused and disabled), down and checked bitmaps.
    static void LoadBitmaps(const Tools& tools);
    // Applies the stored style to the whole text.
    static void GetDefault(CStyledEdit& edit, CFontCombo& fonts, CTextSetting& setting);
    // Stores the editor's current format as the style.
    static void SetDefault(CStyledEdit& edit, CTextSetting& setting);
    static void UpdateControls(CStyledEdit& edit, const Tools& tools);
    // Applies a tool to the selection; id is a font, size or check-box command.
    static void ApplyTool(CStyledEdit& edit, const Tools& tools, int id);

    // Files up to this size are read; larger ones are left alone.
    static constexpr long kMaxImportBytes = 64L * 1024 * 1024;
    static bool Import(CStyledEdit& edit, const char* path);
    static bool Export(const CStyledEdit& edit, const char* path, bool rtf);
};
