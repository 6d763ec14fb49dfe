#pragma once
// Test support for the output pages: the engine's format table and audio codec catalogue
// made for one test, a host window for pages, and a user's view of combos and controls.
#include "CAudioCodecsInfo.h"
#include "CDirectShowSystem2.h"
#include "CFormatType.h"
#include "CFormatTypes.h"
#include "afx/windows/CWinApp.h"
#include "afx/windows/CWnd.h"
#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlComboBox.h"
#include "win32/controls/CtlEdit.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/CtlUser.h"
#include "win32/controls/CtlWindow.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The process-wide format table and audio codec catalogue, replaced for the test's lifetime.
class ScopedEngineTables {
public:
    ScopedEngineTables()
        : m_oldTypes(CFormatTypes::sFormatTypes), m_oldCodecs(CAudioCodecsInfo::sInfo)
    {
        CFormatTypes::sFormatTypes = &types;
        CAudioCodecsInfo::sInfo = &codecs;
    }
    ~ScopedEngineTables()
    {
        CFormatTypes::sFormatTypes = m_oldTypes;
        CAudioCodecsInfo::sInfo = m_oldCodecs;
    }
    ScopedEngineTables(const ScopedEngineTables&) = delete;
    ScopedEngineTables& operator=(const ScopedEngineTables&) = delete;

    // A codec offering every combination of the given values; bitrates empty gives the PCM rate.
    CAudioCodecInfo* AddCodec(const char* name, std::initializer_list<ESplitterType> supported,
                              std::initializer_list<ULONG> rates, std::initializer_list<unsigned short> channels,
                              std::initializer_list<unsigned short> bits, std::initializer_list<ULONG> bitrates = {},
                              bool activated = true)
    {
        CAudioCodecInfo* codec = codecs.Add(name, name);
        for (ESplitterType type : supported) codec->SetSupported(type, true);
        for (ULONG rate : rates)
            for (unsigned short c : channels)
                for (unsigned short b : bits) {
                    if (bitrates.size() == 0) codec->AddSetting(rate, c, b, rate * c * b, 0);
                    for (ULONG bitrate : bitrates) codec->AddSetting(rate, c, b, bitrate, 0);
                }
        codec->Activate(activated);
        return codec;
    }
    // Settles what the writer factory's probe answers for a type, without probing.
    void SetInstalled(ESplitterType type, bool installed)
    {
        CFormatType* row = types.FindFileType(type);
        ASSERT_NE(nullptr, row) << type;
        row->SetTested(true);
        row->SetLoaded(installed);
    }
    // The usual catalogue: PCM, the MP3 encoder library, Vorbis and an inactive codec.
    void AddUsualCodecs()
    {
        AddCodec("PCM", {500, 100, 1200, 1000}, {8000, 22050, 44100}, {1, 2}, {8, 16});
        AddCodec("Lame_enc.dll", {350, 100, 1200}, {22050, 44100, 48000}, {1, 2}, {16},
                 {64000, 96000, 128000, 192000});
        AddCodec("Vorbis Encoder", {1100}, {44100, 48000}, {2}, {16}, {96000, 128000});
        AddCodec("Retired Codec", {500, 350}, {44100}, {2}, {16}, {}, false);
    }

    CFormatTypes types;
    CAudioCodecsInfo codecs;

private:
    CFormatTypes* m_oldTypes;
    CAudioCodecsInfo* m_oldCodecs;
};

// Settles the engine's answer on subtitle support for one test.
class ScopedSubtitleSupport {
public:
    explicit ScopedSubtitleSupport(bool supported)
        : m_tested(CDirectShowSystem2::sSupportSubtitleTested), m_has(CDirectShowSystem2::sHasSubtitleFilter)
    {
        CDirectShowSystem2::sSupportSubtitleTested = true;
        CDirectShowSystem2::sHasSubtitleFilter = supported;
    }
    ~ScopedSubtitleSupport()
    {
        CDirectShowSystem2::sSupportSubtitleTested = m_tested;
        CDirectShowSystem2::sHasSubtitleFilter = m_has;
    }
    ScopedSubtitleSupport(const ScopedSubtitleSupport&) = delete;
    ScopedSubtitleSupport& operator=(const ScopedSubtitleSupport&) = delete;

private:
    bool m_tested;
    bool m_has;
};

class PageHost : public CWnd {
public:
    bool Make()
    {
        return CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 640, 480), nullptr, 0) != FALSE;
    }
    ~PageHost() override
    {
        if (m_hWnd) DestroyWindow();
        MvPumpUntilIdle();
        AfxDeleteTempMaps();
    }
};

// What a user sees of a page's controls, by id.
class PageView {
public:
    explicit PageView(HWND page = nullptr) : m_page(page) {}
    void SetPage(HWND page) { m_page = page; }
    HWND Item(int id) const { return ::GetDlgItem(m_page, id); }

    std::vector<std::string> Items(int id) const
    {
        std::vector<std::string> items;
        HWND combo = Item(id);
        const int n = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) items.push_back(Text(combo, i));
        return items;
    }
    // The selected entry's text, "<none>" without a selection.
    std::string Selected(int id) const
    {
        HWND combo = Item(id);
        const int selected = static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0));
        return selected < 0 ? "<none>" : Text(combo, selected);
    }
    std::string WindowText(int id) const
    {
        char text[512] = {};
        ::GetWindowTextA(Item(id), text, sizeof text);
        return text;
    }
    bool Shown(int id) const { return (::GetWindowLongA(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    bool Enabled(int id) const { return ::IsWindowEnabled(Item(id)) != FALSE; }
    bool Checked(int id) const { return ::SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

    // Picks the entry by its text as a user would; fails the test when it is not listed.
    void Pick(int id, const std::string& text) const
    {
        const std::vector<std::string> items = Items(id);
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i] != text) continue;
            CtlModelAs<CtlComboBox>(Item(id))->UserPick(static_cast<int>(i));
            MvPumpUntilIdle();
            return;
        }
        ADD_FAILURE() << "no entry \"" << text << "\" in " << id;
    }
    void Click(int id) const
    {
        CtlModelAs<CtlButton>(Item(id))->UserClick();
        MvPumpUntilIdle();
    }
    // Replaces an edit field's text as a user would and commits it with Enter.
    void TypeAndCommit(int id, const std::string& text) const
    {
        CtlEdit* edit = CtlModelAs<CtlEdit>(Item(id));
        edit->UserSelect(0, -1);
        if (text.empty())
            edit->UserDelete();
        else
            edit->UserType(std::string_view(text));
        CtlUserKey(Item(id), VK_RETURN);
        MvPumpUntilIdle();
    }
    // The same for the edit part of an editable combo.
    void TypeIntoComboAndCommit(int id, const std::string& text) const
    {
        ::SetWindowTextA(Item(id), "");
        CtlModelAs<CtlComboBox>(Item(id))->UserType(text);
        CtlUserKey(Item(id), VK_RETURN);
        MvPumpUntilIdle();
    }

private:
    static std::string Text(HWND combo, int index)
    {
        const int length = static_cast<int>(::SendMessageA(combo, CB_GETLBTEXTLEN, index, 0));
        std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
        std::vector<char> buffer(text.size() + 1, '\0');
        ::SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
        return buffer.data();
    }

    HWND m_page;
};

// Opens a page in the host, bound to the object, as a dialog shows it.
template <class Page>
void OpenPage(Page& page, PageHost& host, CPersistObject* object)
{
    ASSERT_TRUE(page.CreateInWindow(&host));
    page.ShowWindow(SW_SHOW);
    page.SetObject(object);
    MvPumpUntilIdle();
}

// The same, and points the view at the page.
template <class Page>
void OpenPage(Page& page, PageHost& host, CPersistObject* object, PageView& view)
{
    OpenPage(page, host, object);
    view.SetPage(page.m_hWnd);
}
