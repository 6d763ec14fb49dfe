#pragma once
// What a user sees of a report list and how they act on it, and the records the list
// tests show.
#include "../../../framework/tests/ControlTestSupport.h"
#include "CAudioTrack.h"
#include "CMediaFile2.h"
#include "CVideoTrack.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlListView.h"
#include "win32/controls/CtlWindow.h"
#include "win32/controls/CtlMessages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct ListColumn {
    std::string title;
    int width;
    bool right;
    bool operator==(const ListColumn& o) const { return title == o.title && width == o.width && right == o.right; }
};

inline std::ostream& operator<<(std::ostream& out, const ListColumn& c)
{
    return out << '"' << c.title << "\" " << c.width << (c.right ? " right" : "");
}

class ReportView {
public:
    explicit ReportView(HWND list) : m_hwnd(list), m_list(CtlModelAs<CtlListView>(list)) {}

    int Rows() const { return static_cast<int>(::SendMessageA(m_hwnd, LVM_GETITEMCOUNT, 0, 0)); }
    std::vector<ListColumn> Columns() const
    {
        std::vector<ListColumn> columns;
        for (int i = 0;; ++i) {
            char title[128] = {};
            LVCOLUMN column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
            column.pszText = title;
            column.cchTextMax = sizeof title;
            if (!::SendMessageA(m_hwnd, LVM_GETCOLUMN, i, reinterpret_cast<LPARAM>(&column))) break;
            columns.push_back({title, column.cx, (column.fmt & LVCFMT_RIGHT) != 0});
        }
        return columns;
    }
    std::string Text(int row, int column) const
    {
        char text[512] = {};
        LVITEM item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ::SendMessageA(m_hwnd, LVM_GETITEMTEXT, row, reinterpret_cast<LPARAM>(&item));
        return text;
    }
    // Every column of the row.
    std::vector<std::string> Row(int row) const
    {
        std::vector<std::string> texts;
        for (size_t column = 0; column < Columns().size(); ++column) texts.push_back(Text(row, int(column)));
        return texts;
    }
    std::vector<std::string> Column(int column) const
    {
        std::vector<std::string> texts;
        for (int row = 0; row < Rows(); ++row) texts.push_back(Text(row, column));
        return texts;
    }
    int Image(int row) const
    {
        LVITEM item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        ::SendMessageA(m_hwnd, LVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item));
        return item.iImage;
    }
    void Click(int row, UINT keys = 0) const
    {
        m_list->UserClick(Middle(row), keys);
        MvPumpUntilIdle();
    }
    void DoubleClick(int row) const
    {
        m_list->UserDoubleClick(Middle(row));
        MvPumpUntilIdle();
    }
    int SelectedCount() const { return static_cast<int>(::SendMessageA(m_hwnd, LVM_GETSELECTEDCOUNT, 0, 0)); }

private:
    POINT Middle(int row) const
    {
        RECT r = m_list->ItemRect(row, LVIR_LABEL);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    HWND m_hwnd;
    CtlListView* m_list;
};

// A probed file: its path, then its first video track (width, height, frame rate; no
// track when the width is 0) and first audio track (rate, channels, bits; none when the
// rate is 0).
struct FileFacts {
    const char* path;
    unsigned short width = 0, height = 0;
    double frameRate = 0;
    ULONG sampleRate = 0;
    unsigned short channels = 0, bits = 0;
};

inline void DescribeFile(CMediaFile2& file, const FileFacts& facts)
{
    file.GetFilePath().SetFilePath(facts.path);
    if (facts.width) {
        auto* video = new CVideoTrack;
        video->GetVideoInfo().SetWidth(facts.width);
        video->GetVideoInfo().SetHeight(facts.height);
        video->GetVideoInfo().SetFrameRate(facts.frameRate);
        file.AddVideoTrack(video);
    }
    if (facts.sampleRate) {
        auto* audio = new CAudioTrack;
        audio->GetAudioInfo().SetSampleRate(facts.sampleRate);
        audio->GetAudioInfo().SetChannel(facts.channels);
        audio->GetAudioInfo().SetBitsPerSample(facts.bits);
        file.AddAudioTrack(audio);
    }
}

inline CMediaFile2* MakeFile(const FileFacts& facts)
{
    auto* file = new CMediaFile2;
    DescribeFile(*file, facts);
    return file;
}

// A parent window with a report list control of the given kind in it.
template <class TControl>
class ListHost {
public:
    template <class... Args>
    explicit ListHost(Args... args) : control(args...)
    {
        EXPECT_TRUE(parent.Make(900, 400));
        EXPECT_TRUE(control.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(0, 0, 880, 380),
                                   &parent, 100));
        control.SetExtendedStyle(control.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    }
    ~ListHost()
    {
        control.SetObject(nullptr);
        control.DestroyWindow();
        MvPumpUntilIdle();
    }
    ReportView View() { return ReportView(control.GetSafeHwnd()); }

    TestParent parent;
    TControl control;
};
