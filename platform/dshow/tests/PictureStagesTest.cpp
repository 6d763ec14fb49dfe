// The stages that draw: the audio level picture and the time stamp, run from the test
// sources into a sink that keeps the last picture.
#include "com/ComRuntime.h"
#include "dshow/BasePin.h"
#include "dshow/FilterGraph.h"
#include "dshow/SinkFilter.h"
#include "dshow/VideoInfo.h"
#include "dshow/interfaces/EncoderSetInterfaces.h"
#include "dshow/interfaces/TimeStampSettings.h"
#include "dshow/sources/SourceIds.h"
#include "dshow/transforms/TransformIds.h"
#include "win32/audio/WaveFormat.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const CLSID CLSID_PictureSink = {0x5E1F0010, 0x0000, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x10}};

// Takes RGB32 pictures and keeps the last one.
class CPictureSink : public CSinkFilter {
public:
    CPictureSink() : CSinkFilter(CLSID_PictureSink) { AddPin(PINDIR_INPUT, u"In"); }
    HRESULT CheckMediaType(CBasePin*, const AM_MEDIA_TYPE& type) override
    {
        return type.subtype == MEDIASUBTYPE_RGB32 && RgbVideoInfo(type) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
    }
    HRESULT Receive(CBasePin*, const MediaSample& sample) override
    {
        std::lock_guard lock(m_lock);
        last.assign(sample.data, sample.data + sample.size);
        ++count;
        return S_OK;
    }
    // Blue, green, red of a pixel counted from the top left.
    std::vector<BYTE> Pixel(LONG x, LONG y)
    {
        const VIDEOINFOHEADER* info = RgbVideoInfo(PinAt(0)->MediaType());
        LONG width = info->bmiHeader.biWidth, height = info->bmiHeader.biHeight;
        const BYTE* p = last.data() + (size_t(height - 1 - y) * size_t(width) + size_t(x)) * 4;
        return {p[0], p[1], p[2]};
    }
    std::mutex m_lock;
    std::vector<BYTE> last;
    int count = 0;
};

class PictureStagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        ASSERT_EQ(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                                   reinterpret_cast<void**>(&graph)),
                  S_OK);
        sink = new CPictureSink();
        ASSERT_EQ(graph->AddFilter(sink, u"Sink"), S_OK);
    }
    void TearDown() override
    {
        for (IBaseFilter* f : filters) f->Release();
        sink->Release();
        graph->Release();
        CoUninitialize();
    }
    IBaseFilter* Add(REFCLSID clsid, const char16_t* name)
    {
        IBaseFilter* filter = nullptr;
        EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                   reinterpret_cast<void**>(&filter)),
                  S_OK);
        filters.push_back(filter);
        graph->AddFilter(filter, name);
        return filter;
    }
    HRESULT Link(IBaseFilter* from, const char16_t* out, IBaseFilter* to, const char16_t* in, const AM_MEDIA_TYPE* type = nullptr)
    {
        IPin* o = nullptr;
        IPin* i = nullptr;
        HRESULT hr = SUCCEEDED(from->FindPin(out, &o)) && SUCCEEDED(to->FindPin(in, &i)) ? graph->ConnectDirect(o, i, type)
                                                                                           : VFW_E_NOT_FOUND;
        SafeRelease(o);
        SafeRelease(i);
        return hr;
    }
    LONG Run()
    {
        IMediaControl* control = nullptr;
        IMediaEvent* events = nullptr;
        LONG code = -1;
        QueryInterfaceTo<IMediaControl>(graph, &control);
        QueryInterfaceTo<IMediaEvent>(graph, &events);
        if (SUCCEEDED(control->Run())) {
            LONG_PTR a = 0, b = 0;
            if (events->GetEvent(&code, &a, &b, 60000) != S_OK) code = 0;
            control->Stop();
        }
        events->Release();
        control->Release();
        return code;
    }

    IGraphBuilder* graph = nullptr;
    CPictureSink* sink = nullptr;
    std::vector<IBaseFilter*> filters;
};

TEST_F(PictureStagesTest, AudioIndicatorDrawsTheLevelTwentyFiveTimesASecond)
{
    IBaseFilter* tone = Add(CLSID_AudioTestSource, u"Audio Test");
    IBaseFilter* indicator = Add(CLSID_AudioIndicator, u"Audio Indicator");
    CMediaType mono;
    MakePcmMediaType(mono, 8000, 1, 16);
    ASSERT_EQ(Link(tone, u"Audio", indicator, u"Audio In", &mono), S_OK);
    ASSERT_EQ(Link(indicator, u"Video Out", sink, u"In"), S_OK);
    ASSERT_EQ(Run(), EC_COMPLETE);
    EXPECT_EQ(sink->count, 250); // ten seconds
    // The tone peaks at a quarter of full scale: a bar a quarter of the picture high.
    EXPECT_EQ(sink->Pixel(80, 119), (std::vector<BYTE>{0, 200, 0}));
    EXPECT_EQ(sink->Pixel(80, 95), (std::vector<BYTE>{0, 200, 0}));
    EXPECT_EQ(sink->Pixel(80, 85), (std::vector<BYTE>{0, 0, 0}));
}

TEST_F(PictureStagesTest, TimeStampWritesIntoTheCornerOnlyWhenOn)
{
    for (bool on : {false, true}) {
        SCOPED_TRACE(on);
        IBaseFilter* pattern = Add(CLSID_VideoTestSource, u"Video Test");
        IBaseFilter* stamp = Add(CLSID_TimeStamp, u"Time Stamp");
        IVideoTestSettings* ramp = nullptr;
        ASSERT_EQ(QueryInterfaceTo<IVideoTestSettings>(pattern, &ramp), S_OK);
        ramp->SetPattern(1);
        ramp->Release();
        ITimeStampSettings* settings = nullptr;
        ASSERT_EQ(QueryInterfaceTo<ITimeStampSettings>(stamp, &settings), S_OK);
        settings->SetStamping(on);
        settings->Release();
        ASSERT_EQ(Link(pattern, u"Video", stamp, u"Video In"), S_OK);
        ASSERT_EQ(Link(stamp, u"Video Out", sink, u"In"), S_OK);
        ASSERT_EQ(Run(), EC_COMPLETE);
        // The ramp is light there; the margin of the stamp's box is black.
        std::vector<BYTE> corner = sink->Pixel(217, 219);
        EXPECT_EQ(corner[0] < 20, on) << int(corner[0]);
        graph->RemoveFilter(pattern);
        graph->RemoveFilter(stamp);
    }
}

} // namespace
