// Plain text opened into the editor comes from anywhere: any bytes must load, and the text
// the editor then gives back, as text or as rich text, must be in bounds.
#include "CHandle.h"
#include "CStyledEdit.h"
#include "afx/windows/CWnd.h"
#include "win32/windowing/MessageLoop.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

class Host : public CWnd {
public:
    Host()
    {
        if (!CreateEx(0, nullptr, "host", WS_POPUP, CRect(0, 0, 400, 300), nullptr, 0)) std::abort();
        if (!edit.Create(WS_CHILD | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, CRect(0, 0, 400, 300), this, 1))
            std::abort();
    }
    ~Host() override
    {
        DestroyWindow();
        MvPumpUntilIdle();
        AfxDeleteTempMaps();
    }
    CStyledEdit edit;
};

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // One editor for the whole run, closed at its end like the program's: before the window
    // system's own state goes, which was made before it.
    // An editor of its own for each input, opened and closed as the program does.
    auto host = std::make_unique<Host>();
    CHandle bytes;
    // A leading blank keeps the bytes plain text even when they begin like rich text.
    if (!bytes.Append(reinterpret_cast<const unsigned char*>(" "), 1) || (size && !bytes.Append(data, uint32_t(size))) ||
        !bytes.AppendZero(1))
        return 0;
    host->edit.SetData(&bytes);
    CString text;
    host->edit.GetText(text);
    CHandle out;
    host->edit.GetData(&out, false);
    host->edit.GetData(&out, true);
    return 0;
}
