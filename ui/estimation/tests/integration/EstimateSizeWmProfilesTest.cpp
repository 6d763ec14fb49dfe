// Size estimates of Windows Media profile outputs on the profiles the runtime itself lists.
#include "CFormatTypes.h"
#include "CMediaFile2.h"
#include "CMediaOutput2.h"
#include "CWindowsMediaSystem2.h"
#include "CWmProfile2.h"
#include "CWmProfileVersion.h"
#include "UEstimateSize.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

namespace {

TEST(EstimateSizeOnTheRuntime, AProfileOutputIsEstimatedAtItsProfilesBitrate)
{
    MvTestHome home;
    const bool loadWm = CDirectShowSystem2::sLoadWm;
    CDirectShowSystem2::sLoadWm = true;
    {
        CWindowsMediaSystem2 system;
        ASSERT_NE(nullptr, CFormatTypes::sFormatTypes);
        ASSERT_EQ(CWmProfilesInfo::sInfo, &system.GetProfiles());
        CMediaOutput2 output;
        output.SetSplitterType(250);
        output.GetVideoOutput(0)->SetEncoderControl(1);
        CMediaFile2 file;
        file.SetDuration(120);
        int checked = 0;
        for (int v = 0; v < system.GetProfiles().GetVersionCount(); ++v) {
            CWmProfileVersion* version = system.GetProfiles().GetVersion(v);
            output.GetWmOutput().SetVersion(version->GetVersion());
            for (int i = 0; i < version->GetProfileCount(); ++i) {
                CWmProfile2* profile = version->GetProfile(i);
                SCOPED_TRACE(profile->GetName().GetString());
                output.GetWmOutput().SetProfile(profile->GetName());
                ASSERT_GT(profile->GetBitrate(), 0u);
                EXPECT_EQ(profile->GetBitrate(), UEstimateSize::GetBitrate(nullptr, &output));
                UEstimateSize::EstimateSize(&file, &output);
                EXPECT_EQ(static_cast<ULONG>(120 * profile->GetBitrate() * 0.000125 + 0.5), file.GetEstimatedSize());
                ++checked;
            }
        }
        EXPECT_GT(checked, 0);
        output.GetWmOutput().SetProfile("No such profile");
        EXPECT_EQ(0u, UEstimateSize::GetBitrate(nullptr, &output));
    }
    CDirectShowSystem2::sLoadWm = loadWm;
}

} // namespace
