// The runtime through its published interface only, loaded by name.
#include "WmRuntime.h"

#include "dshow/MediaType.h"
#include "win32/audio/WaveFormat.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

namespace {

template <class I>
struct Releaser {
    void operator()(I* p) const { p->Release(); }
};
template <class I>
using Held = std::unique_ptr<I, Releaser<I>>;

template <class I>
Held<I> Take(I* p)
{
    return Held<I>(p);
}

std::vector<BYTE> MediaTypeBytes(IWMStreamConfig* config)
{
    Held<IWMMediaProps> props;
    IWMMediaProps* raw = nullptr;
    if (FAILED(QueryInterfaceTo(config, &raw))) return {};
    props.reset(raw);
    DWORD size = 0;
    if (FAILED(props->GetMediaType(nullptr, &size))) return {};
    std::vector<BYTE> bytes(size);
    if (FAILED(props->GetMediaType(reinterpret_cast<WM_MEDIA_TYPE*>(bytes.data()), &size))) return {};
    return bytes;
}

const WAVEFORMATEX* WaveOf(const std::vector<BYTE>& bytes)
{
    if (bytes.size() < sizeof(WM_MEDIA_TYPE)) return nullptr;
    return MediaFormatAs<WAVEFORMATEX>(*reinterpret_cast<const WM_MEDIA_TYPE*>(bytes.data()), FORMAT_WaveFormatEx);
}

class ProfileManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(m_wm.module, nullptr) << "wmvcore.dll is not beside the program";
        ASSERT_NE(m_wm.manager, nullptr);
        ASSERT_NE(m_wm.manager2, nullptr);
        ASSERT_NE(m_wm.codecs, nullptr);
    }

    Held<IWMProfile> System(WMT_VERSION version, DWORD index)
    {
        IWMProfile* profile = nullptr;
        EXPECT_EQ(m_wm.manager2->SetSystemProfileVersion(version), S_OK);
        EXPECT_EQ(m_wm.manager->LoadSystemProfile(index, &profile), S_OK);
        return Take(profile);
    }

    WmRuntime m_wm;
};

TEST_F(ProfileManagerTest, EveryVersionHasSystemProfilesWithDistinctNamesAndValidStreams)
{
    for (WMT_VERSION version : {WMT_VER_4_0, WMT_VER_7_0, WMT_VER_8_0, WMT_VER_9_0}) {
        ASSERT_EQ(m_wm.manager2->SetSystemProfileVersion(version), S_OK);
        WMT_VERSION read{};
        ASSERT_EQ(m_wm.manager2->GetSystemProfileVersion(&read), S_OK);
        EXPECT_EQ(read, version);
        DWORD count = 0;
        ASSERT_EQ(m_wm.manager->GetSystemProfileCount(&count), S_OK);
        EXPECT_GE(count, 4u);
        std::set<std::u16string> names;
        for (DWORD i = 0; i < count; ++i) {
            auto profile = System(version, i);
            ASSERT_TRUE(profile);
            names.insert(NameOf(profile.get()));
            WMT_VERSION own{};
            profile->GetVersion(&own);
            EXPECT_EQ(own, version);
            DWORD streams = 0;
            profile->GetStreamCount(&streams);
            EXPECT_GE(streams, 1u);
            for (DWORD s = 0; s < streams; ++s) {
                IWMStreamConfig* raw = nullptr;
                ASSERT_EQ(profile->GetStream(s, &raw), S_OK);
                auto config = Take(raw);
                WORD number = 0;
                DWORD bitrate = 0;
                config->GetStreamNumber(&number);
                config->GetBitrate(&bitrate);
                EXPECT_EQ(number, s + 1);
                EXPECT_GT(bitrate, 0u);
                EXPECT_GT(MediaTypeBytes(config.get()).size(), sizeof(WM_MEDIA_TYPE));
            }
        }
        EXPECT_EQ(names.size(), count);
        IWMProfile* none = nullptr;
        EXPECT_TRUE(FAILED(m_wm.manager->LoadSystemProfile(count, &none)));
        EXPECT_EQ(none, nullptr);
    }
    EXPECT_EQ(m_wm.manager2->SetSystemProfileVersion(WMT_VERSION(0x00050000)), E_INVALIDARG);
}

TEST_F(ProfileManagerTest, SavedTextLoadsTheSameProfile)
{
    auto profile = System(WMT_VER_8_0, 6);
    ASSERT_TRUE(profile);
    ASSERT_EQ(profile->SetName(u"Mine \"<&>\""), S_OK);
    const std::u16string text = SaveText(m_wm.manager, profile.get());
    ASSERT_FALSE(text.empty());
    IWMProfile* raw = nullptr;
    ASSERT_EQ(m_wm.manager->LoadProfileByData(text.c_str(), &raw), S_OK);
    auto loaded = Take(raw);
    EXPECT_EQ(NameOf(loaded.get()), u"Mine \"<&>\"");
    EXPECT_EQ(SaveText(m_wm.manager, loaded.get()), text);
    DWORD a = 0, b = 0;
    profile->GetStreamCount(&a);
    loaded->GetStreamCount(&b);
    EXPECT_EQ(a, b);
}

TEST_F(ProfileManagerTest, DamagedTextLoadsWhatItCanOrFails)
{
    auto profile = System(WMT_VER_9_0, 6); // audio and video
    std::u16string text = SaveText(m_wm.manager, profile.get());
    // The audio stream's format block loses its digits: that stream is left out.
    const size_t format = text.find(u"format=\"");
    ASSERT_NE(format, std::u16string::npos);
    std::u16string damaged = text;
    damaged.replace(format + 8, 4, u"ZZZZ");
    IWMProfile* raw = nullptr;
    ASSERT_EQ(m_wm.manager->LoadProfileByData(damaged.c_str(), &raw), S_OK);
    auto loaded = Take(raw);
    DWORD streams = 0;
    loaded->GetStreamCount(&streams);
    EXPECT_EQ(streams, 1u);
    IWMStreamConfig* left = nullptr;
    ASSERT_EQ(loaded->GetStream(0, &left), S_OK);
    GUID type{};
    left->GetStreamType(&type);
    left->Release();
    EXPECT_EQ(type, WMMEDIATYPE_Video);

    // A version past any the runtime can hold, or a property type it does not know, refuses the text.
    std::u16string unknownType = text;
    unknownType.insert(unknownType.find(u"</streamconfig>"), u"<property name=\"x\" type=\"9\" value=\"\"/>");
    for (std::u16string bad : {std::u16string(), std::u16string(u"not a profile"),
                               std::u16string(u"<profile name=\"no version\">"), std::u16string(u"<streamconfig>"),
                               std::u16string(u"<profile version=\"1048576\"/>"),
                               std::u16string(u"<profile version=\"4294967295\"/>"), unknownType}) {
        raw = nullptr;
        EXPECT_EQ(m_wm.manager->LoadProfileByData(bad.c_str(), &raw), NS_E_INVALID_PROFILE);
        EXPECT_EQ(raw, nullptr);
    }
    // Cut anywhere, the text never loads more streams than it had.
    for (size_t cut = 0; cut < text.size(); cut += 37) {
        const std::u16string part = text.substr(0, cut);
        raw = nullptr;
        if (SUCCEEDED(m_wm.manager->LoadProfileByData(part.c_str(), &raw))) {
            DWORD n = 0;
            raw->GetStreamCount(&n);
            EXPECT_LE(n, 2u);
            raw->Release();
        }
    }
}

TEST_F(ProfileManagerTest, ProfileStreamsAreEditedThroughCopies)
{
    IWMProfile* raw = nullptr;
    ASSERT_EQ(m_wm.manager->CreateEmptyProfile(WMT_VER_9_0, &raw), S_OK);
    auto profile = Take(raw);
    IWMStreamConfig* format = nullptr;
    ASSERT_EQ(m_wm.codecs->GetCodecFormat(WMMEDIATYPE_Audio, 0, 0, &format), S_OK);
    auto audio = Take(format);
    EXPECT_EQ(profile->AddStream(audio.get()), E_INVALIDARG); // still numbered 0
    audio->SetStreamNumber(1);
    ASSERT_EQ(profile->AddStream(audio.get()), S_OK);
    EXPECT_EQ(profile->AddStream(audio.get()), E_INVALIDARG); // number taken
    audio->SetBitrate(12345);
    IWMStreamConfig* copy = nullptr;
    ASSERT_EQ(profile->GetStreamByNumber(1, &copy), S_OK);
    DWORD bitrate = 0;
    copy->GetBitrate(&bitrate);
    copy->Release();
    EXPECT_NE(bitrate, 12345u);
    ASSERT_EQ(profile->ReconfigStream(audio.get()), S_OK);
    ASSERT_EQ(profile->GetStreamByNumber(1, &copy), S_OK);
    copy->GetBitrate(&bitrate);
    EXPECT_EQ(bitrate, 12345u);
    IWMVideoMediaProps* video = nullptr;
    EXPECT_EQ(QueryInterfaceTo(copy, &video), E_NOINTERFACE);
    copy->Release();
    EXPECT_EQ(profile->RemoveStreamByNumber(1), S_OK);
    DWORD count = 9;
    profile->GetStreamCount(&count);
    EXPECT_EQ(count, 0u);
}

TEST_F(ProfileManagerTest, CodecsListTheirFormatsAndRefuseWhatTheyCannotEncode)
{
    DWORD audio = 0, video = 0;
    ASSERT_EQ(m_wm.codecs->GetCodecInfoCount(WMMEDIATYPE_Audio, &audio), S_OK);
    ASSERT_EQ(m_wm.codecs->GetCodecInfoCount(WMMEDIATYPE_Video, &video), S_OK);
    ASSERT_EQ(audio, 1u);
    ASSERT_EQ(video, 1u);
    const BOOL on = TRUE, off = FALSE;
    const DWORD one = 1, two = 2;
    auto set = [&](const GUID& type, const WCHAR* name, WMT_ATTR_DATATYPE t, const void* v) {
        return m_wm.codecs->SetCodecEnumerationSetting(type, 0, name, t, static_cast<const BYTE*>(v), 4);
    };
    EXPECT_EQ(set(WMMEDIATYPE_Audio, g_wszVBREnabled, WMT_TYPE_BOOL, &off), S_OK);
    EXPECT_TRUE(FAILED(set(WMMEDIATYPE_Audio, g_wszVBREnabled, WMT_TYPE_BOOL, &on)));
    EXPECT_EQ(set(WMMEDIATYPE_Video, g_wszVBREnabled, WMT_TYPE_BOOL, &on), S_OK);
    EXPECT_EQ(set(WMMEDIATYPE_Video, g_wszNumPasses, WMT_TYPE_DWORD, &one), S_OK);
    EXPECT_TRUE(FAILED(set(WMMEDIATYPE_Video, g_wszNumPasses, WMT_TYPE_DWORD, &two)));

    DWORD formats = 0;
    ASSERT_EQ(m_wm.codecs->GetCodecFormatCount(WMMEDIATYPE_Audio, 0, &formats), S_OK);
    ASSERT_GT(formats, 10u);
    bool anyAv = false;
    for (DWORD f = 0; f < formats; ++f) {
        IWMStreamConfig* raw = nullptr;
        DWORD length = 0;
        ASSERT_EQ(m_wm.codecs->GetCodecFormatDesc(WMMEDIATYPE_Audio, 0, f, nullptr, nullptr, &length), S_OK);
        std::u16string text(length, u'\0');
        ASSERT_EQ(m_wm.codecs->GetCodecFormatDesc(WMMEDIATYPE_Audio, 0, f, &raw, text.data(), &length), S_OK);
        anyAv = anyAv || text.find(u"A/V") != std::u16string::npos;
        auto config = Take(raw);
        const auto bytes = MediaTypeBytes(config.get());
        const WAVEFORMATEX* wave = WaveOf(bytes);
        ASSERT_NE(wave, nullptr);
        EXPECT_EQ(wave->wFormatTag, WAVE_FORMAT_WMAUDIO2);
        EXPECT_GT(wave->nAvgBytesPerSec, 20u);
        EXPECT_LE(wave->nSamplesPerSec, 48000u);
        DWORD bitrate = 0;
        config->GetBitrate(&bitrate);
        EXPECT_EQ(bitrate, wave->nAvgBytesPerSec * 8);
    }
    EXPECT_TRUE(anyAv);
    IWMStreamConfig* none = nullptr;
    EXPECT_EQ(m_wm.codecs->GetCodecFormat(WMMEDIATYPE_Audio, 0, formats, &none), NS_E_INVALID_INDEX);
    EXPECT_EQ(m_wm.codecs->GetCodecFormat(WMMEDIATYPE_Audio, 1, 0, &none), NS_E_INVALID_INDEX);

    // The video format carries the codec's settings in its vault.
    IWMStreamConfig* raw = nullptr;
    ASSERT_EQ(m_wm.codecs->GetCodecFormat(WMMEDIATYPE_Video, 0, 0, &raw), S_OK);
    auto config = Take(raw);
    IWMPropertyVault* vault = nullptr;
    ASSERT_EQ(QueryInterfaceTo(config.get(), &vault), S_OK);
    WMT_ATTR_DATATYPE type{};
    BOOL vbr = FALSE;
    DWORD size = sizeof vbr;
    EXPECT_EQ(vault->GetPropertyByName(g_wszVBREnabled, &type, reinterpret_cast<BYTE*>(&vbr), &size), S_OK);
    EXPECT_TRUE(vbr);
    EXPECT_EQ(vault->SetProperty(g_wszVBRQuality, WMT_TYPE_DWORD, reinterpret_cast<const BYTE*>(&two), 2),
              E_INVALIDARG); // a 32-bit value of two bytes
    vault->Release();
    IWMVideoMediaProps* props = nullptr;
    ASSERT_EQ(QueryInterfaceTo(config.get(), &props), S_OK);
    EXPECT_EQ(props->SetQuality(80), S_OK);
    EXPECT_EQ(props->SetQuality(101), E_INVALIDARG);
    DWORD quality = 0;
    props->GetQuality(&quality);
    EXPECT_EQ(quality, 80u);
    props->Release();
}

} // namespace
