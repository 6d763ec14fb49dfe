#include "C3dMixFilter.h"
#include "CDirectShowGraph.h"
#include "CFilterPin.h"
#include "EncoderSetInterfaces.h"

#include "com/ComRuntime.h"

#include <gtest/gtest.h>

namespace {

TEST(C3dMixFilterTest, CreatesTheMixWithItsSettingsAndThreePins)
{
    CoInitialize(nullptr);
    {
        CDirectShowGraph graph;
        ASSERT_TRUE(graph.Create());
        C3dMixFilter mix(&graph);
        ASSERT_TRUE(mix.Create());
        ASSERT_NE(mix.GetSettings(), nullptr);
        EXPECT_EQ(mix.GetSettings()->SetMode(0), S_OK);
        EXPECT_EQ(mix.GetSettings()->SetAnaglyphColor(1), S_OK);
        EXPECT_EQ(mix.GetSettings()->SetAnaglyphFilter(2), S_OK);
        IPin* first = mix.GetInputPin(0)->GetPin();
        IPin* second = mix.GetInputPin(1)->GetPin();
        EXPECT_NE(first, nullptr);
        EXPECT_NE(second, nullptr);
        EXPECT_NE(first, second);
        EXPECT_NE(mix.GetOutputPin()->GetPin(), nullptr);
        mix.Release();
        graph.Release();
    }
    CoUninitialize();
}

} // namespace
