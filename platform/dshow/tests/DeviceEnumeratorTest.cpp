#include "dshow/AudioEncoderFilter.h"
#include "dshow/AudioRenderer.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/WideText.h"
#include "DeviceListing.h"
#include "dshow/capture/CaptureDevice.h"
#include "dshow/encoders/VideoEncoderIds.h"

#include "com/ComRuntime.h"
#include "com/Guid.h"
#include "com/OleAuto.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {

using Device = ListedDevice;

class DeviceEnumeratorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        ASSERT_EQ(S_OK, CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, ICreateDevEnum::kIid,
                                         reinterpret_cast<void**>(&m_devices)));
    }
    void TearDown() override
    {
        if (m_devices) m_devices->Release();
        CoUninitialize();
    }

    static std::string ReadText(IPropertyBag* bag, const char16_t* name) { return ReadBagText(bag, name); }

    // What the engine reads of every moniker of a category.
    std::vector<Device> List(REFCLSID category)
    {
        HRESULT answer = E_FAIL;
        std::vector<Device> out = ListDevices(m_devices, category, &answer);
        EXPECT_EQ(S_OK, answer);
        for (Device& device : out) {
            device.moniker->Release();
            device.moniker = nullptr;
        }
        return out;
    }

    ICreateDevEnum* m_devices = nullptr;
};

TEST_F(DeviceEnumeratorTest, AudioCompressorsAreTheEncodersAndBindToThem)
{
    const std::vector<Device> devices = List(CLSID_AudioCompressorCategory);
    // The MP3 encoder is not listed: the engine adds it by its own class id.
    const CLSID expected[] = {CLSID_PcmAudioCompressor, CLSID_VorbisAudioEncoder, CLSID_AacAudioEncoder,
                              CLSID_WmaAudioEncoder, CLSID_FlacAudioEncoder};
    const char* names[] = {"PCM", "Vorbis Encoder", "AAC Encoder", "WMA Encoder", "FLAC Encoder"};
    ASSERT_EQ(devices.size(), std::size(expected));
    for (size_t i = 0; i < devices.size(); ++i) {
        EXPECT_EQ(devices[i].friendlyName, names[i]);
        EXPECT_EQ(devices[i].clsid, GuidToText(expected[i]));
        // The codec is found by the name after the category in the display name.
        EXPECT_EQ(devices[i].displayName,
                  "@device:sw:" + GuidToText(CLSID_AudioCompressorCategory) + "\\" + names[i]);
    }

    IEnumMoniker* monikers = nullptr;
    ASSERT_EQ(S_OK, m_devices->CreateClassEnumerator(CLSID_AudioCompressorCategory, &monikers, 0));
    IMoniker* moniker = nullptr;
    ASSERT_EQ(S_OK, monikers->Next(1, &moniker, nullptr));
    IBaseFilter* filter = nullptr;
    ASSERT_EQ(S_OK, moniker->BindToObject(nullptr, nullptr, IBaseFilter::kIid, reinterpret_cast<void**>(&filter)));
    CLSID clsid{};
    EXPECT_EQ(S_OK, filter->GetClassID(&clsid));
    EXPECT_EQ(clsid, CLSID_PcmAudioCompressor);
    filter->Release();
    moniker->Release();
    monikers->Release();
}

TEST_F(DeviceEnumeratorTest, VideoCompressorsAreTheVideoEncoders)
{
    const std::vector<Device> devices = List(CLSID_VideoCompressorCategory);
    auto find = [&](const char* name) {
        return std::find_if(devices.begin(), devices.end(), [&](const Device& d) { return d.friendlyName == name; });
    };
    ASSERT_NE(find("MPEG-4 Video"), devices.end());
    EXPECT_EQ(find("MPEG-4 Video")->clsid, GuidToText(CLSID_Mpeg4VideoEncoder));
    ASSERT_NE(find("Motion JPEG"), devices.end());
    EXPECT_EQ(find("Motion JPEG")->clsid, GuidToText(CLSID_MjpegVideoEncoder));
}

TEST_F(DeviceEnumeratorTest, AudioRenderersListTheAudioRenderer)
{
    const std::vector<Device> devices = List(CLSID_AudioRendererCategory);
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(devices[0].friendlyName, "Audio Renderer");
    EXPECT_EQ(devices[0].clsid, GuidToText(CLSID_AudioRender));
}

TEST_F(DeviceEnumeratorTest, EmptyCategoriesAnswerFalseWithoutAnEnumerator)
{
    // The input categories are empty on a machine without cameras and sound cards.
    std::vector<CLSID> categories = {GUID_NULL};
    for (const CLSID& input : {CLSID_VideoInputDeviceCategory, CLSID_AudioInputDeviceCategory})
        if (ListCaptureDevices(input).empty()) categories.push_back(input);
    for (const CLSID& category : categories) {
        IEnumMoniker* monikers = reinterpret_cast<IEnumMoniker*>(this); // must be cleared
        EXPECT_EQ(S_FALSE, m_devices->CreateClassEnumerator(category, &monikers, 0)) << GuidToText(category);
        EXPECT_EQ(monikers, nullptr);
    }
    EXPECT_EQ(E_POINTER, m_devices->CreateClassEnumerator(CLSID_AudioCompressorCategory, nullptr, 0));
}

TEST_F(DeviceEnumeratorTest, EnumeratorSkipsResetsAndClonesItsPosition)
{
    IEnumMoniker* monikers = nullptr;
    ASSERT_EQ(S_OK, m_devices->CreateClassEnumerator(CLSID_AudioCompressorCategory, &monikers, 0));
    IMoniker* batch[8] = {};
    ULONG fetched = 99;
    EXPECT_EQ(E_POINTER, monikers->Next(2, batch, nullptr)); // a batch needs a count back
    EXPECT_EQ(S_OK, monikers->Skip(2));

    IEnumMoniker* copy = nullptr;
    ASSERT_EQ(S_OK, monikers->Clone(&copy));
    EXPECT_EQ(S_FALSE, monikers->Next(8, batch, &fetched)); // only three left
    ASSERT_EQ(fetched, 3u);
    for (ULONG i = 0; i < fetched; ++i) batch[i]->Release();
    EXPECT_EQ(S_FALSE, monikers->Next(1, batch, &fetched));
    EXPECT_EQ(fetched, 0u);

    // The clone kept the position it was made at.
    ASSERT_EQ(S_OK, copy->Next(1, batch, &fetched));
    LPOLESTR name = nullptr;
    ASSERT_EQ(S_OK, batch[0]->GetDisplayName(nullptr, nullptr, &name));
    EXPECT_NE(NarrowText(name).find("\\AAC Encoder"), std::string::npos);
    CoTaskMemFree(name);
    batch[0]->Release();

    EXPECT_EQ(S_FALSE, copy->Skip(10));
    EXPECT_EQ(S_FALSE, copy->Next(1, batch, &fetched));
    EXPECT_EQ(S_OK, copy->Reset());
    EXPECT_EQ(S_OK, copy->Next(1, batch, &fetched));
    batch[0]->Release();
    copy->Release();
    monikers->Release();
}

TEST_F(DeviceEnumeratorTest, PropertyBagIsReadOnlyAndTextOnly)
{
    IEnumMoniker* monikers = nullptr;
    ASSERT_EQ(S_OK, m_devices->CreateClassEnumerator(CLSID_AudioRendererCategory, &monikers, 0));
    IMoniker* moniker = nullptr;
    ASSERT_EQ(S_OK, monikers->Next(1, &moniker, nullptr));
    IPropertyBag* bag = nullptr;
    ASSERT_EQ(S_OK, moniker->BindToStorage(nullptr, nullptr, IPropertyBag::kIid, reinterpret_cast<void**>(&bag)));

    VARIANT value;
    VariantInit(&value);
    EXPECT_EQ(E_INVALIDARG, bag->Read(u"WaveOutId", &value, nullptr));
    EXPECT_EQ(value.vt, VT_EMPTY);
    value.vt = VT_I4;
    EXPECT_EQ(DISP_E_TYPEMISMATCH, bag->Read(u"FriendlyName", &value, nullptr));
    EXPECT_EQ(value.vt, VT_I4);
    EXPECT_EQ(E_POINTER, bag->Read(u"FriendlyName", nullptr, nullptr));
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocString(u"Other");
    EXPECT_TRUE(FAILED(bag->Write(u"FriendlyName", &value)));
    VariantClear(&value);
    EXPECT_EQ(ReadText(bag, u"FriendlyName"), "Audio Renderer");

    // Any other storage interface is refused.
    IUnknown* other = nullptr;
    EXPECT_EQ(E_NOINTERFACE, moniker->BindToStorage(nullptr, nullptr, ICreateDevEnum::kIid,
                                                    reinterpret_cast<void**>(&other)));
    EXPECT_EQ(other, nullptr);
    bag->Release();
    moniker->Release();
    monikers->Release();
}

} // namespace
