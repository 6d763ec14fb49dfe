#include "CIniProfile.h"
#include "CLinkEntry.h"
#include "CLinksMenu.h"
#include "CRegistry.h"
#include "ControlTestSupport.h"
#include "StApplicationId.h"
#include "UDirectoryUtils.h"
#include "UWebAddresses.h"
#include "afx/windows/CMenu.h"
#include "win32/dialogs/Menu.h"
#include "win32/windowing/Shell.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr unsigned long kTellora = 98102;   // short name "Tellora"

class LinksMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = std::string(UDirectoryUtils::GetCommonAppDataDirectory()) + "links.ini";
        UDirectoryUtils::EstablishPath(path.c_str());
        profile.SetIniFile(path.c_str());
    }
    void Set(const char* section, const char* key, const char* value)
    {
        CRegistry(section, key, &profile).SetTextValue(value);
    }
    void WriteSample()
    {
        Set("Category 0", "name", "Converters");
        Set("Category 0", "0", "Video Converter");
        Set("Category 0", "1", "Tellora");
        Set("Category 2", "name", "Never read");
        Set("Category 2", "0", "Orphan");
        Set("Download 0", "0", "Codec Pack");
        Set("Download 0", "1", "Tell");
        Set("Download 0", "2", "Hidden");
        Set("Download 0", "3", "Special");
        Set("Download 1", "0", "Extra");
        Set("Codec Pack", "default", "1");
        Set("Tell", "default", "1");
        Set("Special", "Tellora", "1");
        Set("Extra", "default", "1");
        Set("Extra", "Link", "http://example.org/extra");
    }
    // A window whose menu bar has the given top-level captions.
    void MakeWindow(std::vector<const char*> captions)
    {
        ASSERT_TRUE(window.Make());
        CMenu bar;
        bar.CreateMenu();
        for (const char* caption : captions) {
            CMenu popup;
            popup.CreatePopupMenu();
            popup.AppendMenu(MF_STRING, 100, "item");
            bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popup.Detach()), caption);
        }
        window.SetMenu(&bar);
        bar.Detach();
    }
    std::vector<std::string> Bar()
    {
        std::vector<std::string> out;
        CMenu* bar = window.GetMenu();
        for (int i = 0; i < bar->GetMenuItemCount(); ++i) {
            CString text;
            bar->GetMenuString(static_cast<UINT>(i), text, MF_BYPOSITION);
            out.push_back(std::string(text));
        }
        return out;
    }
    static std::vector<std::pair<std::string, UINT>> Items(CMenu* popup)
    {
        std::vector<std::pair<std::string, UINT>> out;
        for (int i = 0; popup && i < popup->GetMenuItemCount(); ++i) {
            CString text;
            popup->GetMenuString(static_cast<UINT>(i), text, MF_BYPOSITION);
            out.push_back({std::string(text), popup->GetMenuItemID(i)});
        }
        return out;
    }
    MvTestHome home;
    StApplicationId id{kTellora};
    std::string path;
    CIniProfile profile;
    TestParent window;
};

using MenuItems = std::vector<std::pair<std::string, UINT>>;

TEST_F(LinksMenuTest, BuildsDownloadAndDemoPopupsBeforeTheLastItem)
{
    WriteSample();
    MakeWindow({"File", "Edit", "Help"});
    CLinksMenu links(0xD000);
    EXPECT_EQ(links.GetCategoryCount(), 1) << "a gap in the numbering ends the categories";
    links.Attach(&window);
    EXPECT_EQ(Bar(), (std::vector<std::string>{"File", "Edit", "Download", "Demo", "Help"}));
    CMenu* bar = window.GetMenu();
    EXPECT_EQ(Items(bar->GetSubMenu(2)), (MenuItems{{"Codec Pack", 0xD000}, {"Special", 0xD001}, {"", 0}, {"Extra", 0xD002}}));
    CMenu* demo = bar->GetSubMenu(3);
    ASSERT_EQ(demo->GetMenuItemCount(), 1);
    CString caption;
    demo->GetMenuString(0, caption, MF_BYPOSITION);
    EXPECT_EQ(std::string(caption), "Converters");
    EXPECT_EQ(Items(demo->GetSubMenu(0)), (MenuItems{{"Video Converter", 0xD003}}));

    std::vector<std::string> opened;
    MvSetShellOpenHandler([&](const std::string& t) {
        opened.push_back(t);
        return true;
    });
    EXPECT_TRUE(links.OnCommand(0xD003));
    EXPECT_TRUE(links.OnCommand(0xD002));
    EXPECT_FALSE(links.OnCommand(0xD004));
    MvSetShellOpenHandler(nullptr);
    EXPECT_EQ(opened, (std::vector<std::string>{std::string(UWebAddresses::GetDefaultAddress()),
                                                "http://example.org/extra"}));
    EXPECT_EQ(std::string(CRegistry("Video Converter", "Link", &profile).GetTextValue("")),
              std::string(UWebAddresses::GetDefaultAddress()))
        << "a tag without an address gets the default in its own section";
}

TEST_F(LinksMenuTest, SmallMenuBarsAndMissingFilesGetNothing)
{
    WriteSample();
    MakeWindow({"File", "Help"});
    CLinksMenu links(0xD000);
    links.Attach(&window);
    EXPECT_EQ(Bar(), (std::vector<std::string>{"File", "Help"}));

    std::remove(path.c_str());
    CLinksMenu empty(0xD000);
    EXPECT_EQ(empty.GetCategoryCount(), 0);
    EXPECT_EQ(empty.GetDownloads(0).GetEntryCount(), 0);
}

TEST_F(LinksMenuTest, SecondDownloadListNeedsTheFirstAndTheRunningProductIsLeftOut)
{
    Set("Download 0", "0", "Tell");
    Set("Tell", "default", "1");
    Set("Download 1", "0", "Extra");
    Set("Extra", "default", "1");
    Set("Category 0", "name", "Mine");
    Set("Category 0", "0", "Tellora");
    MakeWindow({"File", "Edit", "Help"});
    CLinksMenu links(0xD000);
    links.Attach(&window);
    EXPECT_EQ(Bar(), (std::vector<std::string>{"File", "Edit", "Help"}));
    EXPECT_TRUE(CLinkEntry("Tell").IsCurrentProduct());
    EXPECT_FALSE(CLinkEntry("tellora").IsCurrentProduct());
}

TEST_F(LinksMenuTest, AnExistingDemoPopupIsNotDoubled)
{
    WriteSample();
    MakeWindow({"File", "Edit", "Demo", "Help"});
    CLinksMenu links(0xD000);
    links.Attach(&window);
    // "Download" goes in before "Help", so "Demo" is no longer the item before the last.
    EXPECT_EQ(Bar(), (std::vector<std::string>{"File", "Edit", "Demo", "Download", "Demo", "Help"}));
}

} // namespace
