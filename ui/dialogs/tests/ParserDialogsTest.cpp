#include "CDecoderInfo.h"
#include "win32/controls/CtlImageList.h"
#include "CDecoderInfoListControl.h"
#include "CDecoderInfoDialog.h"
#include "CDecoderInfoListDisplay.h"
#include "CDecoderItemDialog.h"
#include "CFileExtensionChainDialog.h"
#include "CFileExtensionFilterData.h"
#include "CFileParserDialog.h"
#include "CFilterData.h"
#include "CParserFileExtensionListControl.h"
#include "CParserFileExtensionListDisplay.h"
#include "CParserFiltersListControl.h"
#include "CParserFiltersListDisplay.h"
#include "CSplitterInfo.h"
#include "OutputPageSupport.h"
#include "UGuidUtils.h"
#include "win32/TestHome.h"
#include "win32/controls/CtlListView.h"
#include "win32/dialogs/Dialog.h"
#include "win32/dialogs/MessageBox.h"

#include <fstream>
#include <iterator>

namespace {

const char* const kIdA = "11111111-2222-3333-4444-555555555555";
const char* const kIdB = "AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE";
const char* const kIdC = "12345678-9ABC-DEF0-1234-56789ABCDEF0";

// What a user sees of a report list and how they pick its rows.
class ListView {
public:
    ListView(HWND dialog, int id) : m_list(CtlModelAs<CtlListView>(::GetDlgItem(dialog, id))) {}
    int Rows() const { return static_cast<int>(::SendMessageA(m_list->Window(), LVM_GETITEMCOUNT, 0, 0)); }
    std::string Text(int row, int column) const
    {
        char text[256] = {};
        LVITEM item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ::SendMessageA(m_list->Window(), LVM_GETITEMTEXT, row, reinterpret_cast<LPARAM>(&item));
        return text;
    }
    std::vector<std::string> Column(int column) const
    {
        std::vector<std::string> texts;
        for (int row = 0; row < Rows(); ++row) texts.push_back(Text(row, column));
        return texts;
    }
    void Click(int row) const
    {
        RECT r = m_list->ItemRect(row, LVIR_BOUNDS);
        m_list->UserClick(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        MvPumpUntilIdle();
    }
    int Selected() const
    {
        return static_cast<int>(::SendMessageA(m_list->Window(), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
    }

private:
    CtlListView* m_list;
};

// Whether every row of a dialog's list is shown by a display of that row class.
template <class Control, class Row>
bool RowsShownBy(HWND dialog, int id)
{
    auto* control = dynamic_cast<Control*>(CWnd::FromHandlePermanent(::GetDlgItem(dialog, id)));
    if (!control || control->GetItemCount() == 0) return false;
    for (int row = 0; row < control->GetItemCount(); ++row)
        if (!dynamic_cast<Row*>(control->GetListDisplay(row))) return false;
    return true;
}

class ParserDialogsTest : public ::testing::Test {
protected:
    void SetUp() override { MvTakeShownMessageBoxes(); }
    MvTestHome home;
};

TEST_F(ParserDialogsTest, TheChainDialogKeepsItsComplaintOpenUntilTheChainIsWhole)
{
    CFileExtensionChainDialog dialog(nullptr);
    MvScriptModal([&](HWND h) {
        PageView view(h);
        view.Click(IDOK);
        auto boxes = MvTakeShownMessageBoxes();
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ("Please specify either the reader or the splitter.", boxes[0].text);
        EXPECT_TRUE(::IsWindow(h));
        view.TypeAndCommit(CFileExtensionChainDialog::kExtension, "XYZ");
        view.TypeAndCommit(CFileExtensionChainDialog::kSplitter1Name, "XYZ Splitter");
        view.TypeAndCommit(CFileExtensionChainDialog::kSplitter1Id, "not an id");
        EXPECT_EQ("", view.WindowText(CFileExtensionChainDialog::kSplitter1Id));
        view.TypeAndCommit(CFileExtensionChainDialog::kSplitter1Id, kIdA);
        EXPECT_EQ("xyz", view.WindowText(CFileExtensionChainDialog::kExtension)) << "extensions are lower case";
        view.Click(IDOK);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());
    EXPECT_EQ(CString("xyz"), dialog.GetChain().GetExtension());
    EXPECT_EQ(CString(kIdA), UGuidUtils::GuidToString(dialog.GetChain().GetSplitter1Id()));
}

TEST_F(ParserDialogsTest, DecodersAreMovedRemovedOnYesAndAddedAndSaved)
{
    const std::string idA = std::string("{") + kIdA + "}";
    const std::string idB = std::string("{") + kIdB + "}";
    const SDefaultDecoder defaults[] = {{"Alpha", idA.c_str(), false}, {"Beta", idB.c_str(), true}};
    CDecoderInfo decoders("Test Decoder.ini", defaults, int(std::size(defaults)));
    CDecoderInfoDialog dialog(nullptr);
    dialog.SetDecoders(&decoders, true);
    auto names = [&] {
        std::vector<std::string> list;
        for (int i = 0; i < decoders.GetCodecCount(); ++i) list.emplace_back(decoders.GetCodec(i)->GetName());
        return list;
    };
    MvScriptModal([&](HWND h) {
        char title[64] = {};
        ::GetWindowTextA(h, title, sizeof title);
        EXPECT_STREQ("Audio Decoders", title);
        PageView view(h);
        ListView list(h, CDecoderInfoDialog::kList);
        EXPECT_EQ((std::vector<std::string>{"Alpha", "Beta"}), list.Column(0));
        EXPECT_EQ(kIdB, list.Text(1, 1));
        EXPECT_EQ((std::vector<std::string>{"", "Yes"}), list.Column(2));
        EXPECT_TRUE((RowsShownBy<CDecoderInfoListControl, CDecoderInfoListDisplay>(h, CDecoderInfoDialog::kList)));
        // Each row shows the decoder picture, 16 by 15 pixels.
        HWND listWindow = ::GetDlgItem(h, CDecoderInfoDialog::kList);
        auto images = reinterpret_cast<HIMAGELIST>(::SendMessageA(listWindow, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
        ASSERT_NE(images, nullptr);
        int width = 0, height = 0;
        EXPECT_TRUE(ImageList_GetIconSize(images, &width, &height));
        EXPECT_EQ(16, width);
        EXPECT_EQ(15, height);
        EXPECT_EQ(1, ImageList_GetImageCount(images));

        view.Click(CDecoderInfoDialog::kMoveUp);
        EXPECT_EQ((std::vector<std::string>{"Alpha", "Beta"}), names()) << "nothing selected, nothing moves";
        list.Click(1);
        view.Click(CDecoderInfoDialog::kMoveUp);
        EXPECT_EQ((std::vector<std::string>{"Beta", "Alpha"}), names());
        EXPECT_EQ((std::vector<std::string>{"Beta", "Alpha"}), list.Column(0));
        EXPECT_EQ(0, list.Selected()) << "the moved row stays selected";
        view.Click(CDecoderInfoDialog::kMoveUp);
        EXPECT_EQ((std::vector<std::string>{"Beta", "Alpha"}), names()) << "the first row stays first";

        MvScriptMessageBoxAnswer(IDNO);
        view.Click(CDecoderInfoDialog::kRemove);
        EXPECT_EQ("Are you sure you want to remove this decoder?", MvTakeShownMessageBoxes().at(0).text);
        EXPECT_EQ(2, decoders.GetCodecCount());
        MvScriptMessageBoxAnswer(IDYES);
        view.Click(CDecoderInfoDialog::kRemove);
        EXPECT_EQ((std::vector<std::string>{"Alpha"}), names());

        MvScriptModal([&](HWND add) {
            char addTitle[64] = {};
            ::GetWindowTextA(add, addTitle, sizeof addTitle);
            EXPECT_STREQ("Add audio decoder", addTitle);
            PageView item(add);
            item.TypeAndCommit(CDecoderItemDialog::kName, "Gamma");
            item.TypeAndCommit(CDecoderItemDialog::kId, kIdC);
            item.TypeAndCommit(CDecoderItemDialog::kId, "garbage");
            EXPECT_EQ(kIdC, item.WindowText(CDecoderItemDialog::kId)) << "an unreadable id keeps the stored one";
            item.Click(CDecoderItemDialog::kDmo);
            item.Click(IDOK);
        });
        view.Click(CDecoderInfoDialog::kAdd);
        EXPECT_EQ((std::vector<std::string>{"Alpha", "Gamma"}), list.Column(0));
        view.Click(IDOK);
    });
    dialog.DoModal();
    ASSERT_EQ(2, decoders.GetCodecCount());
    EXPECT_TRUE(decoders.GetCodec(1)->GetIsDmo());
    std::ifstream ini(decoders.GetIniPath());
    const std::string saved((std::istreambuf_iterator<char>(ini)), std::istreambuf_iterator<char>());
    EXPECT_NE(std::string::npos, saved.find("Gamma")) << "an added decoder is written at once";
}

TEST_F(ParserDialogsTest, AnAlternativeReadsAsItsChainOfFilters)
{
    CFilterData source;
    source.SetName("Reader");
    CFilterData* splitter = source.AddNextFilter("Splitter", UGuidUtils::GuidFromString(kIdA));
    splitter->AddNextFilter("Decoder A", UGuidUtils::GuidFromString(kIdB));
    splitter->AddNextFilter("Decoder B", UGuidUtils::GuidFromString(kIdC));
    EXPECT_EQ(CString("Reader + Splitter +  ( Decoder A or Decoder B ) "), CParserFiltersListControl::GetFiltersName(&source));
    EXPECT_EQ(CString(""), CParserFiltersListControl::GetFiltersName(nullptr));
}

TEST_F(ParserDialogsTest, TheParserDialogEditsAnExtensionsAlternativesAndKeepsTheLastOne)
{
    CSplitterInfo info;
    CFileFilterData& data = info.GetFilterData();
    CFileExtensionFilterData* ext = data.AddExtension("abc");
    ext->AddFilter("First Reader", UGuidUtils::GuidFromString(kIdA));
    ext->AddFilter("Second Reader", UGuidUtils::GuidFromString(kIdB));
    const int extensionRow = data.GetFileExtensionCount() - 1;
    ASSERT_EQ(ext, data.GetFileExtension(extensionRow));

    CFileParserDialog dialog(nullptr);
    dialog.SetSplitterInfo(&info);
    MvScriptModal([&](HWND h) {
        PageView view(h);
        ListView extensions(h, CFileParserDialog::kExtensions);
        ListView alternatives(h, CFileParserDialog::kAlternatives);
        EXPECT_EQ("ABC", extensions.Text(extensionRow, 0));
        extensions.Click(extensionRow);
        EXPECT_EQ((std::vector<std::string>{"First Reader", "Second Reader"}), alternatives.Column(0));
        EXPECT_TRUE((RowsShownBy<CParserFileExtensionListControl, CParserFileExtensionListDisplay>(
            h, CFileParserDialog::kExtensions)));
        EXPECT_TRUE(
            (RowsShownBy<CParserFiltersListControl, CParserFiltersListDisplay>(h, CFileParserDialog::kAlternatives)));
        alternatives.Click(1);
        view.Click(CFileParserDialog::kMoveUp);
        EXPECT_EQ((std::vector<std::string>{"Second Reader", "First Reader"}), alternatives.Column(0));
        view.Click(CFileParserDialog::kRemove);
        EXPECT_EQ(1, ext->GetFilterCount());
        alternatives.Click(0);
        view.Click(CFileParserDialog::kRemove);
        EXPECT_EQ(1, ext->GetFilterCount()) << "the last way of reading an extension stays";
        EXPECT_TRUE(MvTakeShownMessageBoxes().empty()) << "no question is asked";

        MvScriptModal([&](HWND add) {
            PageView chain(add);
            chain.TypeAndCommit(CFileExtensionChainDialog::kExtension, "qqq");
            chain.TypeAndCommit(CFileExtensionChainDialog::kSourceName, "Q Reader");
            chain.TypeAndCommit(CFileExtensionChainDialog::kSourceId, kIdC);
            chain.Click(IDOK);
        });
        view.Click(CFileParserDialog::kAdd);
        view.Click(IDOK);
    });
    dialog.DoModal();
    CFileExtensionFilterData* added = data.FindExtension("qqq");
    ASSERT_NE(nullptr, added);
    EXPECT_EQ(CString("Q Reader"), added->GetFilter(0)->GetName());
    CSplitterInfo reread;
    EXPECT_NE(nullptr, reread.GetFilterData().FindExtension("qqq")) << "the table is saved at once";
}

} // namespace
