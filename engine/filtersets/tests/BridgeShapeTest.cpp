// Which inputs each bridge takes: the shape of the input's pins decides, before any filter
// is made.
#include "C3dMixBridge.h"
#include "C3dPreviewBridge.h"
#include "CAudioIndicatorBridge.h"
#include "CDvBridge.h"
#include "CDvCaptureBridge.h"
#include "CDv3dPreviewBridge.h"
#include "CPreviewBridge.h"
#include "CVideoCaptureBridge.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct SShape {
    int video[3] = {0, 0, 0};
    int audio[3] = {0, 0, 0};
    int streams = 0;
};

// An input of a given shape: pin counts by kind and output kind; no filters.
class CShapedInput : public CInputFilters2, public SShape {
public:
    explicit CShapedInput(const SShape& shape) : SShape(shape) {}
    int GetVideoPinCount(EOutputType type) override { return type <= kOutputProcessing ? video[type] : 0; }
    int GetAudioPinCount(EOutputType type) override { return type <= kOutputProcessing ? audio[type] : 0; }
    int GetStreamPinCount() override { return streams; }
};

SShape Shape(int processingVideo, int processingAudio, int streams, int renderVideo = 0)
{
    SShape input;
    input.video[kOutputProcessing] = processingVideo;
    input.video[kOutputRender] = renderVideo;
    input.audio[kOutputProcessing] = processingAudio;
    input.streams = streams;
    return input;
}

} // namespace

TEST(BridgeShapeTest, EachBridgeTakesOnlyTheInputsOfItsShape)
{
    using Make = std::function<std::unique_ptr<CBridgeFilters>()>;
    const Make video = [] { return std::make_unique<CVideoCaptureBridge>(); };
    const Make indicator = [] { return std::make_unique<CAudioIndicatorBridge>(); };
    const Make mix = [] { return std::make_unique<C3dMixBridge>(); };
    const Make preview3d = [] { return std::make_unique<C3dPreviewBridge>(); };
    const Make dv = [] { return std::make_unique<CDvBridge>(); };
    const Make dvCapture = [] { return std::make_unique<CDvCaptureBridge>(); };
    const Make dv3d = [] { return std::make_unique<CDv3dPreviewBridge>(); };
    const Make preview = [] { return std::make_unique<CPreviewBridge>(); };
    const struct {
        const char* what;
        const Make& bridge;
        SShape shape;
        bool takes;
    } cases[] = {
        {"camera with sound", video, Shape(1, 1, 0), true},
        {"two cameras to the camera bridge", video, Shape(2, 0, 0), false},
        {"camera with a render pin", video, Shape(1, 0, 0, 1), false},
        {"DV stream to the camera bridge", video, Shape(1, 0, 1), false},
        {"one microphone", indicator, Shape(0, 1, 0), true},
        {"microphone with a picture", indicator, Shape(1, 1, 0), false},
        {"microphone with a render picture", indicator, Shape(0, 1, 0, 1), false},
        {"two microphones", indicator, Shape(0, 2, 0), false},
        {"two cameras", mix, Shape(2, 1, 0), true},
        {"one camera to the mix", mix, Shape(1, 0, 0), false},
        {"two cameras previewed", preview3d, Shape(2, 0, 0), true},
        {"two cameras and a stream", preview3d, Shape(2, 0, 1), false},
        {"one camcorder", dv, Shape(0, 0, 1), true},
        {"two camcorders to one", dvCapture, Shape(0, 0, 2), false},
        {"two camcorders", dv3d, Shape(0, 0, 2), true},
        {"one camcorder to the pair", dv3d, Shape(0, 0, 1), false},
        {"a file", preview, Shape(1, 1, 0), true},
        {"a stream to preview", preview, Shape(0, 0, 1), false},
    };
    for (const auto& c : cases) {
        CShapedInput input(c.shape);
        auto bridge = c.bridge();
        // Connect stores the input first, as the administrator hands it over.
        bridge->Connect(&input);
        EXPECT_EQ(bridge->VerifyInput(), c.takes) << c.what;
    }
}

TEST(BridgeShapeTest, ARefusedInputIsLeftAsItWas)
{
    CShapedInput input(Shape(2, 1, 0));
    CVideoCaptureBridge bridge;
    EXPECT_FALSE(static_cast<CBridgeFilters&>(bridge).Connect(&input));
    EXPECT_EQ(input.GetVideoPinCount(kOutputProcessing), 2);
    EXPECT_TRUE(input.GetErrorText().IsEmpty());
    // Nothing was made, so the bridge offers none of its own pins.
    EXPECT_EQ(bridge.GetVideoPinCount(kOutputRender), 0);
    EXPECT_EQ(bridge.GetVideoPinCount(kOutputProcessing), 0);
}

TEST(BridgeShapeTest, APreviewBridgeOffersNothingToRecordAndRendersTheProcessingPins)
{
    SShape shape = Shape(1, 1, 0, 1);
    shape.audio[kOutputRender] = 2;
    CShapedInput input(shape);
    CPreviewBridge bridge;
    ASSERT_TRUE(bridge.Connect(&input));
    EXPECT_EQ(bridge.GetVideoPinCount(kOutputProcessing), 0);
    EXPECT_EQ(bridge.GetAudioPinCount(kOutputProcessing), 0);
    EXPECT_EQ(bridge.GetVideoPin(kOutputProcessing, 0), nullptr);
    EXPECT_EQ(bridge.GetVideoPinCount(kOutputRender), 2);
    EXPECT_EQ(bridge.GetAudioPinCount(kOutputRender), 3);
}
