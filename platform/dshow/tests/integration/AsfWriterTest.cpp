// The Windows Media ASF writer configured with profiles of the runtime loaded by name,
// writing WAV files through real graphs, and the "WM Media Source" reading them back.
#include "com/ComRuntime.h"
#include "dshow/FileSource.h"
#include "dshow/FilterGraph.h"
#include "dshow/WideText.h"
#include "dshow/asf/AsfWriter.h"
#include "dshow/asf/WmMediaSource.h"
#include "dshow/interfaces/ConfigAsfWriter.h"
#include "dshow/sources/SourceIds.h"
#include "win32/audio/WaveFormat.h"
#include "win32/kernel/Module.h"

#include "WriterGraph.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

class AsfWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        m_dir = fs::temp_directory_path() / ("mvdshow_asf_" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        m_wav = m_dir / "speech.wav";
        WriteTestWav(m_wav, 22050, 1, 22050 * 3 / 2);
        m_module = LoadLibrary("wmvcore.dll");
        ASSERT_NE(m_module, nullptr);
        auto create = reinterpret_cast<PFN_WMCreateProfileManager>(GetProcAddress(m_module, "WMCreateProfileManager"));
        ASSERT_NE(create, nullptr);
        ASSERT_EQ(create(&m_manager), S_OK);
        ASSERT_EQ(QueryInterfaceTo(m_manager, &m_codecs), S_OK);
    }
    void TearDown() override
    {
        SafeRelease(m_codecs);
        SafeRelease(m_manager);
        if (m_module) FreeLibrary(m_module);
        fs::remove_all(m_dir);
        CoUninitialize();
    }

    // A profile holding the codec's audio format of that index as stream 1.
    IWMProfile* AudioProfile(DWORD format)
    {
        IWMProfile* profile = nullptr;
        IWMStreamConfig* stream = nullptr;
        EXPECT_EQ(m_manager->CreateEmptyProfile(WMT_VER_9_0, &profile), S_OK);
        EXPECT_EQ(m_codecs->GetCodecFormat(WMMEDIATYPE_Audio, 0, format, &stream), S_OK);
        if (!profile || !stream) return profile;
        stream->SetStreamNumber(1);
        EXPECT_EQ(profile->AddStream(stream), S_OK);
        stream->Release();
        return profile;
    }

    // The WAV into an ASF writer given the profile and the title; the graph's ending event,
    // or -1 when it could not be built.
    LONG Write(IWMProfile* profile, const fs::path& target, const char16_t* title = nullptr)
    {
        IBaseFilter* writer = nullptr;
        IConfigAsfWriter* config = nullptr;
        bool made = SUCCEEDED(CoCreateInstance(CLSID_WmAsfWriter, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                               reinterpret_cast<void**>(&writer))) &&
                    SUCCEEDED(QueryInterfaceTo(writer, &config)) && config->ConfigureFilterUsingProfile(profile) == S_OK;
        if (made && title) {
            IWMHeaderInfo* header = nullptr;
            const std::u16string text(title);
            made = SUCCEEDED(QueryInterfaceTo(writer, &header)) &&
                   header->SetAttribute(0, g_wszWMTitle, WMT_TYPE_STRING, reinterpret_cast<const BYTE*>(text.c_str()),
                                        WORD((text.size() + 1) * 2)) == S_OK;
            SafeRelease(header);
        }
        const LONG code = made ? WriteThrough(m_wav, writer, u"Audio Input 01", target) : -1;
        SafeRelease(config);
        SafeRelease(writer);
        return code;
    }

    fs::path m_dir, m_wav;
    HMODULE m_module = nullptr;
    IWMProfileManager* m_manager = nullptr;
    IWMCodecInfo3* m_codecs = nullptr;
};

std::string Probe(const fs::path& file, const char* entry) { return ProbeMedia(file, entry, "a:0"); }

TEST_F(AsfWriterTest, EveryAudioFormatOfTheCodecWritesItsRateAndChannels)
{
    DWORD formats = 0;
    ASSERT_EQ(m_codecs->GetCodecFormatCount(WMMEDIATYPE_Audio, 0, &formats), S_OK);
    for (DWORD f = 0; f < formats; ++f) {
        SCOPED_TRACE(f);
        IWMStreamConfig* stream = nullptr;
        ASSERT_EQ(m_codecs->GetCodecFormat(WMMEDIATYPE_Audio, 0, f, &stream), S_OK);
        IWMMediaProps* props = nullptr;
        ASSERT_EQ(QueryInterfaceTo(stream, &props), S_OK);
        DWORD size = 0;
        props->GetMediaType(nullptr, &size);
        std::vector<BYTE> bytes(size);
        ASSERT_EQ(props->GetMediaType(reinterpret_cast<WM_MEDIA_TYPE*>(bytes.data()), &size), S_OK);
        const WAVEFORMATEX wave = *reinterpret_cast<const WAVEFORMATEX*>(reinterpret_cast<WM_MEDIA_TYPE*>(bytes.data())->pbFormat);
        props->Release();
        stream->Release();

        IWMProfile* profile = AudioProfile(f);
        const fs::path target = m_dir / ("format" + std::to_string(f) + ".wma");
        EXPECT_EQ(Write(profile, target), EC_COMPLETE);
        profile->Release();
        // One answer a line: codec, rate, channels, then the duration.
        const std::string answer = Probe(target, "stream=codec_name,sample_rate,channels:format=duration");
        const std::string expected = "wmav2\n" + std::to_string(wave.nSamplesPerSec) + "\n" +
                                     std::to_string(wave.nChannels) + "\n";
        EXPECT_EQ(answer.substr(0, expected.size()), expected);
        EXPECT_NEAR(std::atof(answer.substr(std::min(answer.size(), expected.size())).c_str()), 1.5, 0.1);
    }
}

TEST_F(AsfWriterTest, SystemProfileWithTagsIsReadBackByTheWmSource)
{
    IWMProfileManager2* manager2 = nullptr;
    ASSERT_EQ(QueryInterfaceTo(m_manager, &manager2), S_OK);
    ASSERT_EQ(manager2->SetSystemProfileVersion(WMT_VER_8_0), S_OK);
    manager2->Release();
    IWMProfile* profile = nullptr;
    ASSERT_EQ(m_manager->LoadSystemProfile(3, &profile), S_OK); // CD quality, audio only
    const fs::path target = m_dir / "tagged.wma";
    EXPECT_EQ(Write(profile, target, u"Spoken Title"), EC_COMPLETE);
    profile->Release();
    EXPECT_EQ(Probe(target, "stream=sample_rate"), "44100");
    EXPECT_EQ(Probe(target, "stream=bit_rate").substr(0, 3), "128");
    EXPECT_EQ(ProbeMedia(target, "format_tags=title", "a:0"), "Spoken Title");

    IBaseFilter* source = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_WmMediaSource, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                               reinterpret_cast<void**>(&source)),
              S_OK);
    IFileSourceFilter* loader = nullptr;
    ASSERT_EQ(QueryInterfaceTo(source, &loader), S_OK);
    ASSERT_EQ(loader->Load(WideText(target.string()).c_str(), nullptr), S_OK);
    loader->Release();
    IPin* audio = nullptr;
    EXPECT_EQ(source->FindPin(u"Audio", &audio), S_OK);
    SafeRelease(audio);
    IWMHeaderInfo* header = nullptr;
    ASSERT_EQ(QueryInterfaceTo(source, &header), S_OK);
    WORD stream = 0, length = 0;
    WMT_ATTR_DATATYPE type{};
    ASSERT_EQ(header->GetAttributeByName(&stream, g_wszWMTitle, &type, nullptr, &length), S_OK);
    std::u16string title(length / 2, u'\0');
    ASSERT_EQ(header->GetAttributeByName(&stream, g_wszWMTitle, &type, reinterpret_cast<BYTE*>(title.data()), &length), S_OK);
    EXPECT_EQ(type, WMT_TYPE_STRING);
    EXPECT_EQ(std::u16string(title.c_str()), u"Spoken Title");
    header->Release();
    source->Release();
}

TEST_F(AsfWriterTest, AProfileOfACodecTheWriterCannotEncodeIsRefused)
{
    IWMProfile* profile = nullptr;
    ASSERT_EQ(m_manager->CreateEmptyProfile(WMT_VER_9_0, &profile), S_OK);
    IWMStreamConfig* stream = nullptr;
    ASSERT_EQ(profile->CreateNewStream(WMMEDIATYPE_Audio, &stream), S_OK);
    stream->SetStreamNumber(1);
    IWMMediaProps* props = nullptr;
    ASSERT_EQ(QueryInterfaceTo(stream, &props), S_OK);
    CMediaType pcm;
    MakePcmMediaType(pcm, 44100, 2, 16);
    ASSERT_EQ(props->SetMediaType(&pcm), S_OK);
    props->Release();
    ASSERT_EQ(profile->AddStream(stream), S_OK);
    stream->Release();

    IBaseFilter* writer = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_WmAsfWriter, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                               reinterpret_cast<void**>(&writer)),
              S_OK);
    IConfigAsfWriter* config = nullptr;
    ASSERT_EQ(QueryInterfaceTo(writer, &config), S_OK);
    EXPECT_EQ(config->ConfigureFilterUsingProfile(profile), E_INVALIDARG);
    // The default pins stay.
    IPin* pin = nullptr;
    EXPECT_EQ(writer->FindPin(u"Video Input 01", &pin), S_OK);
    SafeRelease(pin);
    IWMProfile* current = nullptr;
    EXPECT_TRUE(FAILED(config->GetCurrentProfile(&current)));
    config->Release();
    writer->Release();
    profile->Release();
}

} // namespace

namespace {

TEST_F(AsfWriterTest, AVideoProfileWritesWindowsMediaVideo)
{
    IWMProfileManager2* manager2 = nullptr;
    ASSERT_EQ(QueryInterfaceTo(m_manager, &manager2), S_OK);
    ASSERT_EQ(manager2->SetSystemProfileVersion(WMT_VER_8_0), S_OK);
    manager2->Release();
    DWORD count = 0;
    m_manager->GetSystemProfileCount(&count);
    IWMProfile* videoOnly = nullptr;
    for (DWORD i = 0; i < count && !videoOnly; ++i) {
        IWMProfile* profile = nullptr;
        ASSERT_EQ(m_manager->LoadSystemProfile(i, &profile), S_OK);
        DWORD streams = 0;
        profile->GetStreamCount(&streams);
        IWMStreamConfig* first = nullptr;
        GUID type{};
        profile->GetStream(0, &first);
        first->GetStreamType(&type);
        first->Release();
        if (streams == 1 && type == WMMEDIATYPE_Video)
            videoOnly = profile;
        else
            profile->Release();
    }
    ASSERT_NE(videoOnly, nullptr);
    IBaseFilter* source = nullptr;
    IBaseFilter* writer = nullptr;
    IConfigAsfWriter* config = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_VideoTestSource, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                               reinterpret_cast<void**>(&source)),
              S_OK);
    ASSERT_EQ(CoCreateInstance(CLSID_WmAsfWriter, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                               reinterpret_cast<void**>(&writer)),
              S_OK);
    ASSERT_EQ(QueryInterfaceTo(writer, &config), S_OK);
    ASSERT_EQ(config->ConfigureFilterUsingProfile(videoOnly), S_OK);
    const fs::path target = m_dir / "pattern.wmv";
    EXPECT_EQ(WriteFrom(source, u"Video", writer, u"Video Input 01", target), EC_COMPLETE);
    config->Release();
    writer->Release();
    source->Release();
    videoOnly->Release();
    const std::string answer = ProbeMedia(target, "stream=codec_name,width,height:format=duration", "v:0");
    EXPECT_EQ(answer.substr(0, answer.find('\n')), "wmv2") << answer;
    EXPECT_NE(answer.find("\n320\n240\n"), std::string::npos) << answer;
    EXPECT_NEAR(std::atof(answer.substr(answer.rfind('\n') + 1).c_str()), 10.0, 0.05);
}

TEST_F(AsfWriterTest, PictureAndSoundStartTogetherAndTheFileLastsAsLongAsThem)
{
    // Two seconds of pictures and sound through the writer's own profile (29.97 frames a second).
    const fs::path target = m_dir / "clip.wmv";
    ASSERT_EQ(WriteMadeClip("-f lavfi -i testsrc=size=320x240:rate=25:duration=2 -f lavfi -i "
                            "sine=sample_rate=44100:duration=2 -ac 2 -c:v mpeg4 -c:a flac",
                            m_dir / "clip.mkv", CLSID_WmAsfWriter,
                            {{u"Video", u"Video Input 01"}, {u"Audio", u"Audio Input 01"}}, target),
              EC_COMPLETE);
    // The sound coder's lead-in sits before zero, so the first picture is at zero and the file
    // is as long as its 60 pictures and that lead-in, not pushed later by it.
    EXPECT_EQ(ProbeMedia(target, "stream=start_time", "v:0"), "0.000000");
    EXPECT_EQ(ProbeMedia(target, "stream=nb_read_frames", "v:0", "-count_frames"), "60");
    EXPECT_NEAR(std::atof(ProbeMedia(target, "format=duration").c_str()), 60 / 29.97 + 0.047, 0.01);
}

} // namespace
