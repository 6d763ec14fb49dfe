// Converts generated WAV and video files through real graphs and checks the results
// with ffprobe.
#include "com/ComRuntime.h"
#include "dshow/AudioDecoder.h"
#include "dshow/AudioEncoderFilter.h"
#include "dshow/MediaFileWriter.h"
#include "dshow/StreamFileWriter.h"
#include "dshow/StreamMultiplexer.h"
#include "dshow/FileSource.h"
#include "dshow/FilterGraph.h"
#include "dshow/PcmSample.h"
#include "dshow/WideText.h"
#include "win32/audio/WaveOut.h"

#include "MediaFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

void WriteToneWav(const fs::path& path, int rate, int channels, double seconds)
{
    WriteTestWav(path, rate, channels, int(rate * seconds));
}

std::string Probe(const fs::path& file, const char* entry, const char* stream = "a:0")
{
    return ProbeMedia(file, entry, stream);
}

// The media file source that offers the file's streams at once, loaded and in the graph.
HRESULT AddMediaSource(IGraphBuilder* graph, const fs::path& file, IBaseFilter** source)
{
    HRESULT hr = CoCreateInstance(CLSID_FileSource, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                  reinterpret_cast<void**>(source));
    IFileSourceFilter* loader = nullptr;
    if (SUCCEEDED(hr)) hr = QueryInterfaceTo<IFileSourceFilter>(*source, &loader);
    if (SUCCEEDED(hr)) hr = loader->Load(WideText(file.string()).c_str(), nullptr);
    SafeRelease(loader);
    if (SUCCEEDED(hr)) hr = graph->AddFilter(*source, u"Source");
    return hr;
}

LONG RunToEnd(IGraphBuilder* graph) { return RunGraphToEnd(graph, 30000); }

// A new graph that renders the file; null when either fails.
IGraphBuilder* RenderedGraph(const fs::path& file)
{
    IGraphBuilder* graph = nullptr;
    if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                                reinterpret_cast<void**>(&graph))))
        return nullptr;
    if (graph->RenderFile(WideText(file.string()).c_str(), nullptr) != S_OK) SafeRelease(graph);
    return graph;
}

class ConversionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        dir = fs::temp_directory_path() / ("mvdshow_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        wav = dir / "speech.wav";
        WriteToneWav(wav, 22050, 1, 1.5);
    }
    void TearDown() override
    {
        fs::remove_all(dir);
        CoUninitialize();
    }

    struct Link {
        const char16_t* from;
        const char16_t* to;
    };

    // Source file → writer of the class, pins linked as listed; the graph's first
    // ending event, -1 when the graph could not be built.
    LONG Convert(const fs::path& from, REFCLSID writerClass, const fs::path& to,
                 std::initializer_list<Link> links = {{u"Audio", u"In"}})
    {
        IGraphBuilder* graph = nullptr;
        EXPECT_EQ(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                                   reinterpret_cast<void**>(&graph)),
                  S_OK);
        LONG code = -1;
        IBaseFilter* source = nullptr;
        IBaseFilter* writer = nullptr;
        IFileSinkFilter* sink = nullptr;
        bool built = SUCCEEDED(AddMediaSource(graph, from, &source))
            && SUCCEEDED(CoCreateInstance(writerClass, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                          reinterpret_cast<void**>(&writer)))
            && SUCCEEDED(QueryInterfaceTo<IFileSinkFilter>(writer, &sink))
            && SUCCEEDED(sink->SetFileName(WideText(to.string()).c_str(), nullptr))
            && SUCCEEDED(graph->AddFilter(writer, u"Writer"));
        for (const Link& link : links) {
            IPin* out = nullptr;
            IPin* in = nullptr;
            built = built && SUCCEEDED(source->FindPin(link.from, &out)) && SUCCEEDED(writer->FindPin(link.to, &in))
                && SUCCEEDED(graph->Connect(out, in));
            SafeRelease(out);
            SafeRelease(in);
        }
        if (built) code = RunToEnd(graph);
        for (IUnknown* u : {static_cast<IUnknown*>(sink), static_cast<IUnknown*>(writer),
                            static_cast<IUnknown*>(source), static_cast<IUnknown*>(graph)})
            if (u) u->Release();
        return code;
    }

    fs::path dir, wav;
};

// Links the first free output of one filter to the first free input of the next that
// takes it.
bool LinkFilters(IGraphBuilder* graph, IBaseFilter* from, IBaseFilter* to)
{
    auto pins = [](IBaseFilter* filter, PIN_DIRECTION wanted) {
        std::vector<IPin*> list;
        IEnumPins* all = nullptr;
        filter->EnumPins(&all);
        IPin* pin = nullptr;
        while (all->Next(1, &pin, nullptr) == S_OK) {
            PIN_DIRECTION direction;
            IPin* peer = nullptr;
            pin->QueryDirection(&direction);
            bool free = FAILED(pin->ConnectedTo(&peer));
            SafeRelease(peer);
            if (direction == wanted && free)
                list.push_back(pin);
            else
                pin->Release();
        }
        all->Release();
        return list;
    };
    bool linked = false;
    std::vector<IPin*> outs = pins(from, PINDIR_OUTPUT), ins = pins(to, PINDIR_INPUT);
    for (IPin* out : outs)
        for (IPin* in : ins)
            if (!linked && SUCCEEDED(graph->Connect(out, in))) linked = true;
    for (IPin* p : outs) p->Release();
    for (IPin* p : ins) p->Release();
    return linked;
}

TEST_F(ConversionTest, WavConvertsThroughEncoderMultiplexerAndFileWriter)
{
    struct Case {
        std::vector<const CLSID*> chain; // between the source and the file writer
        const char* file;
        const char* codec;
    } cases[] = {
        {{&CLSID_Mp3AudioEncoder, &CLSID_Mp3Multiplexer}, "chain.mp3", "mp3"},
        {{&CLSID_VorbisAudioEncoder, &CLSID_OggMultiplexer}, "chain.ogg", "vorbis"},
        {{&CLSID_FlacAudioEncoder, &CLSID_MatroskaMultiplexer}, "chain.mka", "flac"},
        {{&CLSID_AacAudioEncoder, &CLSID_MatroskaMultiplexer}, "chain_aac.mka", "aac"},
        {{&CLSID_Mp3AudioEncoder, &CLSID_AviMux}, "chain.avi", "mp3"},
        {{&CLSID_WavMultiplexer}, "chain.wav", "pcm_s16le"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        fs::path target = dir / c.file;
        IGraphBuilder* graph = nullptr;
        ASSERT_EQ(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                                   reinterpret_cast<void**>(&graph)),
                  S_OK);
        std::vector<IBaseFilter*> filters(1);
        ASSERT_EQ(AddMediaSource(graph, wav, &filters[0]), S_OK);
        std::vector<const CLSID*> classes = c.chain;
        classes.push_back(&CLSID_FileWriter);
        for (const CLSID* clsid : classes) {
            IBaseFilter* filter = nullptr;
            ASSERT_EQ(CoCreateInstance(*clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                       reinterpret_cast<void**>(&filter)),
                      S_OK);
            ASSERT_TRUE(SUCCEEDED(graph->AddFilter(filter, nullptr)));
            filters.push_back(filter);
            ASSERT_TRUE(LinkFilters(graph, filters[filters.size() - 2], filter));
        }
        IFileSinkFilter* sink = nullptr;
        ASSERT_EQ(QueryInterfaceTo<IFileSinkFilter>(filters.back(), &sink), S_OK);
        sink->SetFileName(WideText(target.string()).c_str(), nullptr);
        sink->Release();
        EXPECT_EQ(RunToEnd(graph), EC_COMPLETE);
        for (IBaseFilter* f : filters) f->Release();
        graph->Release();
        EXPECT_EQ(Probe(target, "stream=codec_name"), c.codec);
        EXPECT_NEAR(std::atof(Probe(target, "format=duration").c_str()), 1.5, 0.1);
    }
}

TEST_F(ConversionTest, WavConvertsToEveryKind)
{
    struct Case {
        const CLSID* writer;
        const char* file;
        const char* codec;
    } cases[] = {
        {&CLSID_WavFileWriter, "out.wav", "pcm_s16le"},  {&CLSID_Mp3FileWriter, "out.mp3", "mp3"},
        {&CLSID_OggVorbisFileWriter, "out.ogg", "vorbis"}, {&CLSID_AacFileWriter, "out.m4a", "aac"},
        {&CLSID_WmaFileWriter, "out.wma", "wmav2"},      {&CLSID_FlacFileWriter, "out.flac", "flac"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        fs::path target = dir / c.file;
        ASSERT_EQ(Convert(wav, *c.writer, target), EC_COMPLETE);
        EXPECT_EQ(Probe(target, "stream=codec_name"), c.codec);
        double duration = std::atof(Probe(target, "format=duration").c_str());
        EXPECT_NEAR(duration, 1.5, 0.1);
    }
}

TEST_F(ConversionTest, CodedFilesDecodeThroughAnInsertedDecoder)
{
    fs::path mp3 = dir / "tone.mp3", back = dir / "back.wav";
    ASSERT_EQ(Convert(wav, CLSID_Mp3FileWriter, mp3), EC_COMPLETE);
    ASSERT_EQ(Convert(mp3, CLSID_WavFileWriter, back), EC_COMPLETE);
    EXPECT_EQ(Probe(back, "stream=codec_name"), "pcm_s16le");
    EXPECT_EQ(Probe(back, "stream=sample_rate"), "22050");
    EXPECT_NEAR(std::atof(Probe(back, "format=duration").c_str()), 1.5, 0.1);
}

TEST_F(ConversionTest, FileThatCannotGrowFailsTheConversion)
{
    // The file size limit stands in for a full disk: writes past it fail.
    struct rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 16 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    LONG code = Convert(wav, CLSID_WavFileWriter, dir / "full.wav");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_NE(code, EC_COMPLETE);
}

TEST_F(ConversionTest, BrokenFilesFailWithoutCrashing)
{
    fs::path garbage = dir / "garbage.wav";
    std::ofstream(garbage, std::ios::binary) << std::string(4000, '\x55');
    EXPECT_NE(Convert(garbage, CLSID_WavFileWriter, dir / "a.wav"), EC_COMPLETE);

    // A coded file cut off and scrambled midway: the graph ends, one way or the other.
    fs::path mp3 = dir / "tone.mp3";
    ASSERT_EQ(Convert(wav, CLSID_Mp3FileWriter, mp3), EC_COMPLETE);
    std::string bytes;
    {
        std::ifstream in(mp3, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    bytes.resize(bytes.size() / 2);
    for (size_t i = bytes.size() / 3; i < bytes.size(); i += 7) bytes[i] = char(bytes[i] ^ 0x5A);
    fs::path broken = dir / "broken.mp3";
    std::ofstream(broken, std::ios::binary) << bytes;
    LONG code = Convert(broken, CLSID_WavFileWriter, dir / "b.wav");
    EXPECT_TRUE(code == EC_COMPLETE || code == EC_ERRORABORT) << code;
}

TEST_F(ConversionTest, SourceRejectingAFileTakesAnotherOne)
{
    // Opens as a container but holds neither sound nor picture.
    fs::path captions = dir / "captions.vtt";
    std::ofstream(captions) << "WEBVTT\n\n00:00.000 --> 00:01.000\nHello\n";
    IFileSourceFilter* source = nullptr;
    ASSERT_EQ(CFileSource::Create(IFileSourceFilter::kIid, reinterpret_cast<void**>(&source)), S_OK);
    EXPECT_EQ(source->Load(WideText(captions.string()).c_str(), nullptr), VFW_E_INVALID_FILE_FORMAT);
    EXPECT_EQ(source->Load(WideText(captions.string()).c_str(), nullptr), VFW_E_INVALID_FILE_FORMAT);
    EXPECT_EQ(source->Load(WideText(wav.string()).c_str(), nullptr), S_OK);
    LPOLESTR file = nullptr;
    ASSERT_EQ(source->GetCurFile(&file, nullptr), S_OK);
    EXPECT_EQ(NarrowText(file), wav.string());
    CoTaskMemFree(file);
    source->Release();
}

TEST_F(ConversionTest, RenderFilePlaysACodedFileThroughADecoder)
{
    fs::path mp3 = dir / "tone.mp3";
    ASSERT_EQ(Convert(wav, CLSID_Mp3FileWriter, mp3), EC_COMPLETE);
    MvWaveOutCapture capture;
    IGraphBuilder* graph = RenderedGraph(mp3);
    ASSERT_NE(graph, nullptr);
    IBaseFilter* decoder = nullptr;
    EXPECT_EQ(graph->FindFilterByName(u"Audio Decoder", &decoder), S_OK);
    SafeRelease(decoder);
    EXPECT_EQ(RunToEnd(graph), EC_COMPLETE);
    // 1.5 s of 16-bit mono at 22,050 Hz, give or take the coder's padding.
    EXPECT_NEAR(double(capture.Bytes().size()), 1.5 * 22050 * 2, 0.05 * 22050 * 2);
    graph->Release();
}

// Every sample of the file's first audio stream, as the ffmpeg tool decodes it at 32 bits.
std::vector<int32_t> DecodedSamples32(const fs::path& file)
{
    const std::string command = "ffmpeg -nostdin -v error -i '" + file.string() + "' -map 0:a:0 -f s32le -c:a pcm_s32le -";
    std::vector<int32_t> samples;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        int32_t value;
        while (std::fread(&value, sizeof value, 1, pipe) == 1) samples.push_back(value);
        pclose(pipe);
    }
    return samples;
}

TEST_F(ConversionTest, DeepPcmKeepsItsDepthThroughTheWavWriterAndTheRenderer)
{
    for (const char* codec : {"pcm_s24le", "pcm_s32le"}) {
        SCOPED_TRACE(codec);
        const int bytes = std::string(codec) == "pcm_s24le" ? 3 : 4;
        const fs::path deep = dir / (std::string(codec) + ".wav"), copy = dir / (std::string(codec) + ".out.wav");
        // Written with an extensible header, as such files usually come.
        const std::string make = "ffmpeg -v error -y -f lavfi -i sine=frequency=440:sample_rate=22050:duration=1 -ac 2 "
                                 "-c:a " + std::string(codec) + " '" + deep.string() + "'";
        ASSERT_EQ(std::system(make.c_str()), 0);
        const std::vector<int32_t> source = DecodedSamples32(deep);
        ASSERT_EQ(source.size(), 2u * 22050);

        ASSERT_EQ(Convert(deep, CLSID_WavFileWriter, copy), EC_COMPLETE);
        EXPECT_EQ(Probe(copy, "stream=codec_name"), codec);
        EXPECT_EQ(DecodedSamples32(copy), source);

        // Played as it is, at about half the amplitude.
        MvWaveOutCapture capture;
        IGraphBuilder* graph = RenderedGraph(deep);
        ASSERT_NE(graph, nullptr);
        IBasicAudio* audio = nullptr;
        ASSERT_EQ(QueryInterfaceTo<IBasicAudio>(graph, &audio), S_OK);
        ASSERT_EQ(audio->put_Volume(-600), S_OK);
        audio->Release();
        EXPECT_EQ(RunToEnd(graph), EC_COMPLETE);
        graph->Release();
        EXPECT_EQ(capture.Format().wBitsPerSample, 8 * bytes);
        const std::string played = capture.Bytes();
        ASSERT_EQ(played.size(), source.size() * size_t(bytes));
        for (size_t i = 0; i < source.size(); i += 97)
            EXPECT_NEAR(ReadPcmSample(reinterpret_cast<const uint8_t*>(played.data()) + i * size_t(bytes), bytes),
                        source[i] * 0.501, 0.001 * 2147483648.0)
                << i;
    }
}

TEST_F(ConversionTest, VideoWithSoundConvertsToAviAndMp4)
{
    fs::path clip = dir / "clip.mkv";
    std::string make = "ffmpeg -v error -y -f lavfi -i testsrc=size=64x48:rate=10:duration=1 -f lavfi -i "
                       "sine=frequency=300:sample_rate=16000:duration=1 -c:v mpeg4 -c:a flac '"
        + clip.string() + "'";
    ASSERT_EQ(std::system(make.c_str()), 0);
    struct Case {
        const CLSID* writer;
        const char* file;
        const char* audio;
    } cases[] = {{&CLSID_AviFileWriter, "clip.avi", "mp3"}, {&CLSID_Mp4FileWriter, "clip.mp4", "aac"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        fs::path target = dir / c.file;
        ASSERT_EQ(Convert(clip, *c.writer, target, {{u"Video", u"Video"}, {u"Audio", u"Audio"}}), EC_COMPLETE);
        EXPECT_EQ(Probe(target, "stream=codec_name,width,height", "v:0"), "mpeg4\n64\n48");
        EXPECT_EQ(Probe(target, "stream=codec_name"), c.audio);
        EXPECT_NEAR(std::atof(Probe(target, "format=duration").c_str()), 1.0, 0.15);
    }
}

} // namespace
