#pragma once
// Test support for pages: child templates registered by id, and a listener that
// records what a broadcaster sent.
#include "CListener.h"
#include "UDialogTemplates.h"

#include <utility>
#include <vector>

// A child dialog template of the given size in dialog units, with one edit field.
inline void RegisterChildTemplate(UINT id, short cx, short cy)
{
    static short sCx, sCy;
    sCx = cx;
    sCy = cy;
    UDialogTemplates::Register(id, [] {
        MvDialogTemplate t = UDialogTemplates::Make("", sCx, sCy,
                                                    {UDialogTemplates::Item("Edit", "", 100, WS_BORDER, 2, 2, 40, 12)});
        t.style = WS_CHILD | DS_CONTROL;
        return t;
    });
}

struct SentMessage {
    long message;
    const void* p;
    bool operator==(const SentMessage& o) const { return message == o.message && p == o.p; }
};

class MessageLog : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message != 0) sent.push_back({message, p});
        return CListener::ListenToMessage(message, p, q);
    }
    std::vector<long> Messages() const
    {
        std::vector<long> out;
        for (auto& s : sent) out.push_back(s.message);
        return out;
    }
    std::vector<SentMessage> sent;
};

#include "afx/windows/CWinApp.h"
#include "win32/gdi/Icon.h"
#include "win32/tests/BmpTestFile.h"
#include "win32/tests/TestResourceFolder.h"

#include <filesystem>
#include <string>

// Bitmap resources of one colour, read by id from a temporary resource folder
// while the object lives.
class TestBitmaps {
public:
    TestBitmaps() : m_folder(AfxGetResourceHandle()) {}
    void Add(UINT id, int width, int height, BYTE r, BYTE g, BYTE b) const
    {
        WriteSolidBmp24(Path() / (std::to_string(id) + ".bmp"), width, height, r, g, b);
    }
    const std::filesystem::path& Path() const { return m_folder.Path(); }

private:
    TestResourceFolder m_folder;
};
