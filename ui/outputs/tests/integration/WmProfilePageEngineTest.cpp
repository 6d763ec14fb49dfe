// The Windows Media profile page on the profiles the engine's runtime lists.
#include "CMediaOutput2.h"
#include "CWindowsMediaSystem2.h"
#include "CWmOutput2Panel.h"
#include "CWmProfile2.h"
#include "CWmProfileVersion.h"
#include "OutputPageSupport.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using W = CWmOutput2Panel;

TEST(CWmOutput2PanelOnTheRuntime, ListsTheEnginesVersionsAndProfiles)
{
    MvTestHome home;
    const bool loadWm = CDirectShowSystem2::sLoadWm;
    CDirectShowSystem2::sLoadWm = true;
    {
        CWindowsMediaSystem2 system;
        ASSERT_EQ(CWmProfilesInfo::sInfo, &system.GetProfiles());
        PageHost host;
        ASSERT_TRUE(host.Make());
        CMediaOutput2 output;
        output.SetWantsVideo(true);
        output.GetWmOutput().SetVersion(9);
        output.GetWmOutput().SetProfile("PMC");
        CWmOutput2Panel page(1, nullptr);
        OpenPage(page, host, &output);
        PageView view(page.m_hWnd);
        EXPECT_EQ((std::vector<std::string>{"4", "7", "8", "9"}), view.Items(W::kVersion));
        // Version 9's video profiles, the device presets' among them.
        std::vector<std::string> expected;
        const CWmProfileVersion* nine = system.GetProfiles().Find(9);
        ASSERT_NE(nine, nullptr);
        for (int i = 0; i < nine->GetProfileCount(); ++i)
            if (nine->GetProfile(i)->GetHasVideo()) expected.push_back(nine->GetProfile(i)->GetName().GetString());
        EXPECT_EQ(expected, view.Items(W::kProfile));
        for (const char* preset : {"PMC", "Zen Vision"})
            EXPECT_NE(std::find(expected.begin(), expected.end(), preset), expected.end()) << preset;
        EXPECT_EQ(CString("PMC"), output.GetWmOutput().GetProfile());
        view.Pick(W::kProfile, "Zen Vision");
        EXPECT_EQ(CString("Zen Vision"), output.GetWmOutput().GetProfile());
    }
    CDirectShowSystem2::sLoadWm = loadWm;
}

} // namespace
