// Builds the graphs the engine builds, by class id and pin name: byte-stream source, WAV
// splitter, PCM compressor, buffer, encoder, multiplexer and file writer; checks the
// files with ffprobe.
#include "com/ComRuntime.h"
#include "dshow/AudioEncoderFilter.h"
#include "dshow/FilterGraph.h"
#include "dshow/MediaType.h"
#include "dshow/StreamFileWriter.h"
#include "dshow/SinkFilter.h"
#include "dshow/StreamMultiplexer.h"
#include "dshow/WideText.h"
#include "dshow/decoders/DecoderIds.h"
#include "dshow/encoders/VideoEncoderIds.h"
#include "dshow/interfaces/EncoderSetInterfaces.h"
#include "dshow/interfaces/MultiFileSource.h"
#include "dshow/interfaces/SnapshotInterfaces.h"
#include "dshow/interfaces/ScalerInterfaces.h"
#include "dshow/sources/SourceIds.h"
#include "dshow/splitters/SplitterIds.h"
#include "dshow/transforms/TransformIds.h"
#include "win32/audio/WaveFormat.h"

#include "MediaFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

void WriteWav(const fs::path& path, int rate, int channels, int frames, uint32_t dataBytes = 0)
{
    WriteTestWav(path, rate, channels, frames, dataBytes);
}

std::string Probe(const fs::path& file, const char* entry, const char* stream = "a:0")
{
    return ProbeMedia(file, entry, stream);
}

IPin* PinNamed(IBaseFilter* filter, PIN_DIRECTION wanted, const std::u16string& tag)
{
    IEnumPins* pins = nullptr;
    IPin* found = nullptr;
    if (FAILED(filter->EnumPins(&pins))) return nullptr;
    IPin* pin = nullptr;
    while (!found && pins->Next(1, &pin, nullptr) == S_OK) {
        PIN_INFO info{};
        pin->QueryPinInfo(&info);
        SafeRelease(info.pFilter);
        if (info.dir == wanted && std::u16string(info.achName).find(tag) != std::u16string::npos)
            found = pin;
        else
            pin->Release();
    }
    pins->Release();
    return found;
}

// The pin's wave type of that rate, channel count and bits, and bitrate (0 = any).
AM_MEDIA_TYPE* FindWaveType(IPin* pin, DWORD rate, WORD channels, WORD bits, DWORD bitRate)
{
    IEnumMediaTypes* types = nullptr;
    if (FAILED(pin->EnumMediaTypes(&types))) return nullptr;
    AM_MEDIA_TYPE* type = nullptr;
    while (types->Next(1, &type, nullptr) == S_OK) {
        const auto* wave = MediaFormatAs<WAVEFORMATEX>(*type, FORMAT_WaveFormatEx);
        if (wave && wave->nSamplesPerSec == rate && wave->nChannels == channels && wave->wBitsPerSample == bits
            && (bitRate == 0 || wave->nAvgBytesPerSec * 8 == bitRate))
            break;
        DeleteMediaType(type);
        type = nullptr;
    }
    types->Release();
    return type;
}

class EncoderSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        dir = fs::temp_directory_path() / ("mvdshow_set_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        ASSERT_EQ(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                                   reinterpret_cast<void**>(&graph)),
                  S_OK);
    }
    void TearDown() override
    {
        for (IBaseFilter* f : filters) f->Release();
        SafeRelease(graph);
        fs::remove_all(dir);
        CoUninitialize();
    }

    // Takes every filter out of the graph, for the next case.
    void Clear()
    {
        for (IBaseFilter* f : filters) {
            graph->RemoveFilter(f);
            f->Release();
        }
        filters.clear();
    }

    IBaseFilter* Add(REFCLSID clsid, const char16_t* name)
    {
        IBaseFilter* filter = nullptr;
        if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                    reinterpret_cast<void**>(&filter))))
            return nullptr;
        filters.push_back(filter);
        return SUCCEEDED(graph->AddFilter(filter, name)) ? filter : nullptr;
    }

    HRESULT Link(IBaseFilter* from, const std::u16string& out, IBaseFilter* to, const std::u16string& in,
                 const AM_MEDIA_TYPE* type = nullptr)
    {
        IPin* output = PinNamed(from, PINDIR_OUTPUT, out);
        IPin* input = PinNamed(to, PINDIR_INPUT, in);
        HRESULT hr = output && input ? graph->ConnectDirect(output, input, type) : VFW_E_NOT_FOUND;
        SafeRelease(output);
        SafeRelease(input);
        return hr;
    }

    // The graph's source for a file (the byte-stream source) and a splitter behind it.
    IBaseFilter* Open(const fs::path& file, REFCLSID splitter)
    {
        IBaseFilter* source = nullptr;
        if (FAILED(graph->AddSourceFilter(WideText(file.string()).c_str(), u"File", &source))) return nullptr;
        filters.push_back(source);
        IBaseFilter* parser = Add(splitter, u"Splitter");
        return parser && SUCCEEDED(Link(source, u"Output", parser, u"Input")) ? parser : nullptr;
    }
    IBaseFilter* OpenWav(const fs::path& file) { return Open(file, CLSID_WavParser); }

    void WriteTo(IBaseFilter* writer, const fs::path& file)
    {
        IFileSinkFilter* sink = nullptr;
        ASSERT_EQ(QueryInterfaceTo<IFileSinkFilter>(writer, &sink), S_OK);
        sink->SetFileName(WideText(file.string()).c_str(), nullptr);
        sink->Release();
    }

    LONG Run() { return RunGraphToEnd(graph); }

    fs::path dir;
    IGraphBuilder* graph = nullptr;
    std::vector<IBaseFilter*> filters;
};

TEST_F(EncoderSetTest, WavConvertsToEveryOutputTypeThroughTheStages)
{
    struct Case {
        const CLSID* encoder; // null: PCM into the multiplexer
        const CLSID* mux;
        DWORD bitRate;
        const char* file;
        const char* codec;
        bool tagged;      // the container's tags are read back as the file's
        bool rateStored;  // the container stores the stream's bitrate
    } cases[] = {
        {&CLSID_Mp3AudioEncoder, &CLSID_Mp3Multiplexer, 128000, "out.mp3", "mp3", true, true},
        {nullptr, &CLSID_WavMultiplexer, 0, "out.wav", "pcm_s16le", true, false},
        {&CLSID_VorbisAudioEncoder, &CLSID_OggMultiplexer, 0, "out.ogg", "vorbis", false, false},
        {&CLSID_VorbisAudioEncoder, &CLSID_MatroskaMultiplexer, 96000, "out.mka", "vorbis", true, false},
        {&CLSID_Mp3AudioEncoder, &CLSID_AviMux, 64000, "out.avi", "mp3", false, true},
    };
    fs::path wav = dir / "in.wav";
    WriteWav(wav, 44100, 2, 44100 * 3 / 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Clear();
        IBaseFilter* parser = OpenWav(wav);
        ASSERT_NE(parser, nullptr);
        IBaseFilter* regulator = Add(CLSID_PcmAudioCompressor, u"Audio Regulator");
        IBaseFilter* buffer = Add(CLSID_BufferFilter, u"Buffer");
        ASSERT_EQ(Link(parser, u"Audio", regulator, u"Input"), S_OK);
        ASSERT_EQ(Link(regulator, u"Output", buffer, u"Input"), S_OK);
        IBaseFilter* last = buffer;
        if (c.encoder) {
            IBaseFilter* encoder = Add(*c.encoder, u"Encoder");
            ASSERT_EQ(Link(buffer, u"Output", encoder, u"In"), S_OK);
            last = encoder;
        }
        IBaseFilter* mux = Add(*c.mux, u"Mux");
        IBaseFilter* writer = Add(CLSID_FileWriter, u"Standard File Writer");
        ASSERT_TRUE(mux && writer);
        IPin* out = PinNamed(last, PINDIR_OUTPUT, u"Out");
        AM_MEDIA_TYPE* type = FindWaveType(out, 44100, 2, 16, c.bitRate);
        out->Release();
        ASSERT_NE(type, nullptr);
        ASSERT_EQ(Link(last, u"Out", mux, u"Audio In", type), S_OK);
        DeleteMediaType(type);
        ASSERT_EQ(Link(mux, u"Output", writer, u"in"), S_OK);

        IEncoderTags* tags = nullptr;
        ASSERT_EQ(QueryInterfaceTo<IEncoderTags>(mux, &tags), S_OK);
        EXPECT_EQ(tags->SetTag("TT2", "Morning Words"), S_OK);
        EXPECT_EQ(tags->SetTag("TP1", "The Reader"), S_OK);
        tags->Release();
        IFileSinkFilter* sink = nullptr;
        ASSERT_EQ(QueryInterfaceTo<IFileSinkFilter>(writer, &sink), S_OK);
        sink->SetFileName(WideText((dir / c.file).string()).c_str(), nullptr);
        sink->Release();

        ASSERT_EQ(Run(), EC_COMPLETE);
        fs::path target = dir / c.file;
        EXPECT_EQ(Probe(target, "stream=codec_name"), c.codec);
        EXPECT_EQ(Probe(target, "stream=sample_rate"), "44100");
        EXPECT_EQ(Probe(target, "stream=channels"), "2");
        // Within one coded frame (1152 samples) and the coder's padding.
        EXPECT_NEAR(std::atof(Probe(target, "format=duration").c_str()), 1.5, 0.06);
        if (c.rateStored) {
            EXPECT_NEAR(std::atof(Probe(target, "stream=bit_rate").c_str()), c.bitRate, c.bitRate * 0.1);
        }
        if (c.tagged) {
            EXPECT_EQ(Probe(target, "format_tags=title"), "Morning Words");
            EXPECT_EQ(Probe(target, "format_tags=artist"), "The Reader");
        }
    }
}

TEST_F(EncoderSetTest, TimeShifterStartsTheOutputLater)
{
    fs::path wav = dir / "in.wav";
    WriteWav(wav, 22050, 1, 22050 * 2);
    IBaseFilter* parser = OpenWav(wav);
    ASSERT_NE(parser, nullptr);
    IBaseFilter* shifter = Add(CLSID_TimeShifter, u"Time Shifter");
    IBaseFilter* mux = Add(CLSID_WavMultiplexer, u"Mux");
    IBaseFilter* writer = Add(CLSID_FileWriter, u"Standard File Writer");
    ITimeShifterSettings* shift = nullptr;
    ASSERT_EQ(QueryInterfaceTo<ITimeShifterSettings>(shifter, &shift), S_OK);
    EXPECT_EQ(shift->SetShift(-1), E_INVALIDARG);
    EXPECT_EQ(shift->SetShift(0.75), S_OK);
    shift->Release();
    ASSERT_EQ(Link(parser, u"Audio", shifter, u"Input"), S_OK);
    ASSERT_EQ(Link(shifter, u"Output", mux, u"Audio In"), S_OK);
    ASSERT_EQ(Link(mux, u"Output", writer, u"in"), S_OK);
    IFileSinkFilter* sink = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IFileSinkFilter>(writer, &sink), S_OK);
    sink->SetFileName(WideText((dir / "late.wav").string()).c_str(), nullptr);
    sink->Release();
    ASSERT_EQ(Run(), EC_COMPLETE);
    EXPECT_NEAR(std::atof(Probe(dir / "late.wav", "format=duration").c_str()), 1.25, 0.01);
}

TEST_F(EncoderSetTest, WavParserRefusesWhatIsNoSoundWav)
{
    struct Case {
        const char* file;
        int rate;
        int channels;
        int frames;
    } cases[] = {{"no_channels.wav", 22050, 0, 100}, {"no_rate.wav", 0, 1, 100}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        WriteWav(dir / c.file, c.rate, c.channels, c.frames);
        EXPECT_EQ(OpenWav(dir / c.file), nullptr);
    }
    fs::path garbage = dir / "garbage.wav";
    std::ofstream(garbage, std::ios::binary) << std::string(5000, '\x7f');
    EXPECT_EQ(OpenWav(garbage), nullptr);
    fs::path empty = dir / "empty.wav";
    std::ofstream(empty, std::ios::binary).flush();
    EXPECT_EQ(OpenWav(empty), nullptr);
}

TEST_F(EncoderSetTest, WavAnnouncingGigabytesEndsWithWhatIsThere)
{
    fs::path wav = dir / "liar.wav";
    WriteWav(wav, 8000, 1, 4000, 0xFFFFFF00u);
    IBaseFilter* parser = OpenWav(wav);
    ASSERT_NE(parser, nullptr);
    IBaseFilter* mux = Add(CLSID_WavMultiplexer, u"Mux");
    IBaseFilter* writer = Add(CLSID_FileWriter, u"Standard File Writer");
    ASSERT_EQ(Link(parser, u"Audio", mux, u"Audio In"), S_OK);
    ASSERT_EQ(Link(mux, u"Output", writer, u"in"), S_OK);
    IFileSinkFilter* sink = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IFileSinkFilter>(writer, &sink), S_OK);
    sink->SetFileName(WideText((dir / "out.wav").string()).c_str(), nullptr);
    sink->Release();
    ASSERT_EQ(Run(), EC_COMPLETE);
    EXPECT_NEAR(std::atof(Probe(dir / "out.wav", "format=duration").c_str()), 0.5, 0.01);
}

TEST_F(EncoderSetTest, VideoConvertsToAviAndMatroskaThroughDecodersAndEncoders)
{
    fs::path clip = dir / "clip.mkv";
    std::string make = "ffmpeg -v error -y -f lavfi -i testsrc=size=96x64:rate=10:duration=1 -f lavfi -i "
                       "sine=frequency=300:sample_rate=16000:duration=1 -c:v mpeg4 -c:a flac '"
        + clip.string() + "'";
    ASSERT_EQ(std::system(make.c_str()), 0);
    struct Case {
        const CLSID* encoder;
        const CLSID* mux;
        const char* file;
        const char* codec;
    } cases[] = {{&CLSID_Mpeg4VideoEncoder, &CLSID_AviMux, "clip.avi", "mpeg4"},
                 {&CLSID_MjpegVideoEncoder, &CLSID_MatroskaMultiplexer, "clip_mjpeg.mkv", "mjpeg"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Clear();
        IBaseFilter* splitter = Open(clip, CLSID_MatroskaSplitter);
        ASSERT_NE(splitter, nullptr);
        IBaseFilter* videoDecoder = Add(CLSID_XvidDecoder, u"Decoder");
        IBaseFilter* encoder = Add(*c.encoder, u"Encoder");
        IBaseFilter* audioDecoder = Add(CLSID_CoreFlacDecoder, u"Decoder 2");
        IBaseFilter* audioEncoder = Add(CLSID_Mp3AudioEncoder, u"Audio Encoder");
        IBaseFilter* mux = Add(*c.mux, u"AVI Mux");
        IBaseFilter* writer = Add(CLSID_FileWriter, u"Standard File Writer");
        ASSERT_TRUE(videoDecoder && encoder && audioDecoder && audioEncoder && mux && writer);
        IVideoEncoderSettings* settings = nullptr;
        ASSERT_EQ(QueryInterfaceTo<IVideoEncoderSettings>(encoder, &settings), S_OK);
        EXPECT_EQ(settings->SetSizeClass(1), S_OK);
        EXPECT_EQ(settings->SetQuality(90), S_OK);
        settings->Release();
        ASSERT_EQ(Link(splitter, u"Video", videoDecoder, u"In"), S_OK);
        ASSERT_EQ(Link(videoDecoder, u"Out", encoder, u"Video In"), S_OK);
        ASSERT_EQ(Link(encoder, u"Video Out", mux, u"Video In"), S_OK);
        ASSERT_EQ(Link(splitter, u"Audio", audioDecoder, u"In"), S_OK);
        ASSERT_EQ(Link(audioDecoder, u"Out", audioEncoder, u"In"), S_OK);
        ASSERT_EQ(Link(audioEncoder, u"Out", mux, u"Audio In"), S_OK);
        ASSERT_EQ(Link(mux, u"Output", writer, u"in"), S_OK);
        WriteTo(writer, dir / c.file);
        ASSERT_EQ(Run(), EC_COMPLETE);
        fs::path target = dir / c.file;
        EXPECT_EQ(Probe(target, "stream=codec_name,width,height", "v:0"), std::string(c.codec) + "\n96\n64");
        EXPECT_EQ(Probe(target, "stream=codec_name"), "mp3");
        EXPECT_EQ(Probe(target, "stream=sample_rate"), "16000");
        EXPECT_EQ(ProbeMedia(target, "stream=nb_read_frames", "v:0", "-count_frames"), "10");
        EXPECT_NEAR(std::atof(Probe(target, "format=duration").c_str()), 1.0, 0.15);
    }
}

TEST_F(EncoderSetTest, VideoIsScaledAndRetimedOnItsWayToTheEncoder)
{
    fs::path clip = dir / "clip.mkv";
    std::string make = "ffmpeg -v error -y -f lavfi -i testsrc=size=96x64:rate=10:duration=1 -c:v mpeg4 '"
        + clip.string() + "'";
    ASSERT_EQ(std::system(make.c_str()), 0);
    IBaseFilter* splitter = Open(clip, CLSID_MatroskaSplitter);
    ASSERT_NE(splitter, nullptr);
    IBaseFilter* decoder = Add(CLSID_FfdshowVideoDecoder, u"Decoder");
    IBaseFilter* scaler = Add(CLSID_ColorConverter, u"Scaler");
    IBaseFilter* pulse = Add(CLSID_PulseRegulator, u"Pulse Regulator");
    IBaseFilter* converter = Add(CLSID_ColorSpaceConverter, u"Color Space Converter");
    IBaseFilter* encoder = Add(CLSID_Mpeg4VideoEncoder, u"Encoder");
    IBaseFilter* mux = Add(CLSID_AviMux, u"AVI Mux");
    IBaseFilter* writer = Add(CLSID_FileWriter, u"Standard File Writer");
    ASSERT_TRUE(decoder && scaler && pulse && converter && encoder && mux && writer);

    IScalerOutputSize* size = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IScalerOutputSize>(scaler, &size), S_OK);
    EXPECT_EQ(size->SetKeepSize(0), S_OK);
    EXPECT_EQ(size->SetWidth(48), S_OK);
    EXPECT_EQ(size->SetHeight(32), S_OK);
    EXPECT_EQ(size->SetWidth(0), E_INVALIDARG);
    size->Release();
    IPulseRegulatorSettings* rate = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IPulseRegulatorSettings>(pulse, &rate), S_OK);
    EXPECT_EQ(rate->SetFrameRate(25), S_OK);
    EXPECT_EQ(rate->SetRetime(0), S_OK);
    rate->Release();

    ASSERT_EQ(Link(splitter, u"Video", decoder, u"In"), S_OK);
    ASSERT_EQ(Link(decoder, u"Out", scaler, u"Video In"), S_OK);
    ASSERT_EQ(Link(scaler, u"Video Out", pulse, u"Video In"), S_OK);
    ASSERT_EQ(Link(pulse, u"Video Out", converter, u"Video In"), S_OK);
    // The converter's second type is the other RGB form.
    IPin* converterOut = PinNamed(converter, PINDIR_OUTPUT, u"Video Out");
    IEnumMediaTypes* types = nullptr;
    ASSERT_EQ(converterOut->EnumMediaTypes(&types), S_OK);
    AM_MEDIA_TYPE* types2[2] = {};
    ULONG fetched = 0;
    ASSERT_EQ(types->Next(2, types2, &fetched), S_OK);
    ASSERT_EQ(fetched, 2u);
    EXPECT_EQ(types2[1]->subtype, MEDIASUBTYPE_RGB24);
    EXPECT_EQ(Link(converter, u"Video Out", encoder, u"Video In", types2[1]), S_OK);
    for (AM_MEDIA_TYPE* t : types2) DeleteMediaType(t);
    types->Release();
    converterOut->Release();
    ASSERT_EQ(Link(encoder, u"Video Out", mux, u"Video In"), S_OK);
    ASSERT_EQ(Link(mux, u"Output", writer, u"in"), S_OK);
    WriteTo(writer, dir / "small.avi");
    ASSERT_EQ(Run(), EC_COMPLETE);
    fs::path target = dir / "small.avi";
    EXPECT_EQ(Probe(target, "stream=codec_name,width,height,r_frame_rate", "v:0"), "mpeg4\n48\n32\n25/1");
    EXPECT_NEAR(std::atof(Probe(target, "stream=nb_frames", "v:0").c_str()), 25, 1);
}

TEST_F(EncoderSetTest, TestSourcesFeedEncodersThroughATee)
{
    IBaseFilter* tone = Add(CLSID_AudioTestSource, u"Audio Test");
    IBaseFilter* tee = Add(CLSID_SmartTee, u"Tee");
    IBaseFilter* untimed = Add(CLSID_UntimedRenderer, u"Untimed output");
    IBaseFilter* encoder = Add(CLSID_Mp3AudioEncoder, u"Encoder");
    IBaseFilter* mux = Add(CLSID_Mp3Multiplexer, u"Mux");
    IBaseFilter* writer = Add(CLSID_FileWriter, u"Standard File Writer");
    IBaseFilter* pattern = Add(CLSID_VideoTestSource, u"Video Test");
    IBaseFilter* scaler = Add(CLSID_ColorConverter, u"Color Converter");
    IBaseFilter* videoEncoder = Add(CLSID_Mpeg4VideoEncoder, u"Video Encoder");
    IBaseFilter* avi = Add(CLSID_AviMux, u"AVI Mux");
    IBaseFilter* aviWriter = Add(CLSID_FileWriter, u"AVI Writer");
    ASSERT_TRUE(tone && tee && untimed && encoder && mux && writer && pattern && scaler && videoEncoder && avi && aviWriter);

    IPin* toneOut = PinNamed(tone, PINDIR_OUTPUT, u"Audio");
    AM_MEDIA_TYPE* type = FindWaveType(toneOut, 22050, 1, 16, 0);
    toneOut->Release();
    ASSERT_NE(type, nullptr);
    ASSERT_EQ(Link(tone, u"Audio", tee, u"Input", type), S_OK);
    DeleteMediaType(type);
    ASSERT_EQ(Link(tee, u"Capture", encoder, u"In"), S_OK);
    ASSERT_EQ(Link(tee, u"Preview", untimed, u""), S_OK);
    ASSERT_EQ(Link(encoder, u"Out", mux, u"Audio In"), S_OK);
    ASSERT_EQ(Link(mux, u"Output", writer, u"in"), S_OK);
    WriteTo(writer, dir / "tone.mp3");

    IVideoTestSettings* settings = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IVideoTestSettings>(pattern, &settings), S_OK);
    EXPECT_EQ(settings->SetPattern(0), S_OK);
    EXPECT_EQ(settings->SetPattern(7), E_INVALIDARG);
    settings->Release();
    IScalerOutputSize* size = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IScalerOutputSize>(scaler, &size), S_OK);
    EXPECT_EQ(size->SetKeepSize(1), S_OK);
    size->Release();
    ASSERT_EQ(Link(pattern, u"Video", scaler, u"Video In"), S_OK);
    ASSERT_EQ(Link(scaler, u"Video Out", videoEncoder, u"Video In"), S_OK);
    ASSERT_EQ(Link(videoEncoder, u"Video Out", avi, u"Video In"), S_OK);
    ASSERT_EQ(Link(avi, u"Output", aviWriter, u"in"), S_OK);
    WriteTo(aviWriter, dir / "bars.avi");

    ASSERT_EQ(Run(), EC_COMPLETE);
    EXPECT_EQ(Probe(dir / "tone.mp3", "stream=codec_name,sample_rate,channels"), "mp3\n22050\n1");
    EXPECT_NEAR(std::atof(Probe(dir / "tone.mp3", "format=duration").c_str()), 10.0, 0.1);
    EXPECT_EQ(Probe(dir / "bars.avi", "stream=codec_name,width,height,nb_frames", "v:0"), "mpeg4\n320\n240\n250");
    ISampleCounter* counter = nullptr;
    ASSERT_EQ(QueryInterfaceTo<ISampleCounter>(untimed, &counter), S_OK);
    LONGLONG count = 0;
    counter->GetSampleCount(&count);
    EXPECT_GT(count, 0);
    counter->Release();
}

TEST_F(EncoderSetTest, MultiFileSourcePlaysItsFilesAsOne)
{
    IBaseFilter* source = Add(CLSID_MultiFileSource, u"File");
    ASSERT_NE(source, nullptr);
    IMultiFileSource* files = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IMultiFileSource>(source, &files), S_OK);
    for (int i = 0; i < 3; ++i) {
        fs::path part = dir / ("part" + std::to_string(i) + ".wav");
        WriteWav(part, 22050, 1, 22050);
        ASSERT_EQ(files->AddFile(WideText(part.string()).c_str()), S_OK);
    }
    // Files of other streams, or none, are refused and leave the list as it was.
    fs::path stereo = dir / "stereo.ogg";
    ASSERT_EQ(std::system(("ffmpeg -v error -y -f lavfi -i sine=duration=1 -c:a libvorbis '" + stereo.string() + "'").c_str()), 0);
    EXPECT_EQ(files->AddFile(WideText(stereo.string()).c_str()), VFW_E_INVALID_FILE_FORMAT);
    EXPECT_EQ(files->AddFile(WideText((dir / "missing.wav").string()).c_str()), VFW_E_UNKNOWN_FILE_TYPE);
    LONG count = 0;
    files->GetFileCount(&count);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(files->SetStart(kUnitsPerSecond / 2), S_OK);
    EXPECT_EQ(files->SetEnd(kUnitsPerSecond * 5 / 2), S_OK);
    EXPECT_EQ(files->SetEnd(-1), E_INVALIDARG);
    files->Release();

    IBaseFilter* mux = Add(CLSID_WavMultiplexer, u"Mux");
    IBaseFilter* writer = Add(CLSID_FileWriter, u"Standard File Writer");
    ASSERT_EQ(Link(source, u"Audio", mux, u"Audio In"), S_OK);
    ASSERT_EQ(Link(mux, u"Output", writer, u"in"), S_OK);
    WriteTo(writer, dir / "joined.wav");
    ASSERT_EQ(Run(), EC_COMPLETE);
    EXPECT_NEAR(std::atof(Probe(dir / "joined.wav", "format=duration").c_str()), 2.0, 0.05);
}

TEST_F(EncoderSetTest, SnapshotSavesAThumbnailAndHandsOutPictures)
{
    IBaseFilter* pattern = Add(CLSID_VideoTestSource, u"Video Test");
    IBaseFilter* snap = Add(CLSID_SnapShot, u"Snap Shot");
    IBaseFilter* untimed = Add(CLSID_UntimedRenderer, u"Untimed output");
    ASSERT_TRUE(pattern && snap && untimed);
    ISnapshotSettings* settings = nullptr;
    ASSERT_EQ(QueryInterfaceTo<ISnapshotSettings>(snap, &settings), S_OK);
    const std::string thumbnail = (dir / "thumb.jpg").string();
    EXPECT_EQ(settings->SetMode(1), S_OK);
    EXPECT_EQ(settings->SetKind(1002), S_OK);
    EXPECT_EQ(settings->SetPosition(0.2), S_OK);
    EXPECT_EQ(settings->SetResize(1), S_OK);
    EXPECT_EQ(settings->SetWidth(80), S_OK);
    EXPECT_EQ(settings->SetHeight(60), S_OK);
    EXPECT_EQ(settings->SetName(thumbnail.c_str()), S_OK);
    ISnapshotGrab* grab = nullptr;
    ISnapshotScaledGrab* scaled = nullptr;
    ASSERT_EQ(QueryInterfaceTo<ISnapshotGrab>(snap, &grab), S_OK);
    ASSERT_EQ(QueryInterfaceTo<ISnapshotScaledGrab>(snap, &scaled), S_OK);
    BYTE* image = nullptr;
    LONG size = 0;
    EXPECT_EQ(grab->GrabImage(&image, &size), S_FALSE) << "nothing seen yet";

    ASSERT_EQ(Link(pattern, u"Video", snap, u"Input"), S_OK);
    ASSERT_EQ(Link(snap, u"Output", untimed, u""), S_OK);
    ASSERT_EQ(Run(), EC_COMPLETE);
    EXPECT_EQ(Probe(thumbnail, "stream=codec_name,width,height", "v:0"), "mjpeg\n80\n60");

    ASSERT_EQ(grab->GrabImage(&image, &size), S_OK);
    EXPECT_EQ(size, LONG(40 + 320 * 240 * 4));
    const std::string bmp = (dir / "shot.bmp").string(), gif = (dir / "shot.gif").string();
    EXPECT_EQ(settings->SaveImage(image, size, bmp.c_str(), 1000, 107), S_OK);
    EXPECT_EQ(settings->SaveImage(image, size, gif.c_str(), 1001, 107), S_OK);
    EXPECT_EQ(settings->SaveImage(image, 100, bmp.c_str(), 1000, 107), E_INVALIDARG) << "cut short";
    EXPECT_EQ(scaled->ReleaseImage(image), S_OK);
    EXPECT_EQ(scaled->ReleaseImage(image), E_INVALIDARG) << "released twice";
    EXPECT_EQ(Probe(bmp, "stream=codec_name,width,height", "v:0"), "bmp\n320\n240");
    EXPECT_EQ(Probe(gif, "stream=codec_name,width,height", "v:0"), "gif\n320\n240");

    ASSERT_EQ(scaled->GrabScaledImage(64, 48, &image, &size), S_OK);
    EXPECT_EQ(size, LONG(40 + 64 * 3 * 48));
    EXPECT_EQ(scaled->ReleaseImage(image), S_OK);
    grab->Release();
    scaled->Release();
    settings->Release();
}

// The subtype the two pins were linked with; null when they were not.
GUID LinkedSubtype(IBaseFilter* from, const std::u16string& out)
{
    IPin* pin = PinNamed(from, PINDIR_OUTPUT, out);
    AM_MEDIA_TYPE type{};
    GUID subtype{};
    if (pin && SUCCEEDED(pin->ConnectionMediaType(&type))) {
        subtype = type.subtype;
        FreeMediaType(type);
    }
    SafeRelease(pin);
    return subtype;
}

constexpr DWORD Fourcc(const char (&c)[5])
{
    return DWORD(BYTE(c[0])) | DWORD(BYTE(c[1])) << 8 | DWORD(BYTE(c[2])) << 16 | DWORD(BYTE(c[3])) << 24;
}

TEST_F(EncoderSetTest, PicturesKeepTheDecodersFormatUntilAStageNeedsRgb)
{
    const GUID j422 = MediaSubtypeFromFourcc(Fourcc("J422")), i420 = MediaSubtypeFromFourcc(Fourcc("I420"));
    const GUID rgb32 = MEDIASUBTYPE_RGB32;
    // Splitter -> decoder -> stages -> MPEG-4 encoder -> AVI; the subtype of every link from
    // the decoder to the encoder.
    struct Case {
        const char* codec;
        const char* pixels;
        const CLSID* decoder;
        std::vector<const CLSID*> stages;
        std::vector<GUID> links;
        double slack; // dB a plane may fall short of the tool's own conversion
    } cases[] = {
        // Nothing in between: the decoder's own YUV goes straight into the encoder.
        {"mjpeg", "yuvj422p", &CLSID_MjpegDecoder, {}, {j422}, 0.5},
        {"mpeg4", "yuv420p", &CLSID_FfdshowVideoDecoder, {}, {i420}, 0.5},
        // A stage that only passes pictures on keeps the format.
        {"mjpeg", "yuvj422p", &CLSID_MjpegDecoder, {&CLSID_PulseRegulator}, {j422, j422}, 0.5},
        // A stage that draws works in RGB: it converts, once, on the way in (and the encoder
        // back, which costs the colours several dB against staying in YUV).
        {"mjpeg", "yuvj422p", &CLSID_MjpegDecoder, {&CLSID_TimeStamp}, {j422, rgb32}, 8},
        {"mpeg4", "yuv420p", &CLSID_FfdshowVideoDecoder, {&CLSID_PulseRegulator, &CLSID_TimeStamp}, {i420, i420, rgb32}, 8},
        // The colour space converter takes the YUV and turns it into RGB.
        {"mpeg4", "yuv420p", &CLSID_FfdshowVideoDecoder, {&CLSID_ColorSpaceConverter}, {i420, rgb32}, 8},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.codec) + " case " + std::to_string(n));
        Clear();
        const fs::path clip = dir / (std::string(c.codec) + ".mkv"), target = dir / ("out" + std::to_string(n++) + ".avi");
        const std::string make = "ffmpeg -nostdin -v error -y -f lavfi -i testsrc=size=160x120:rate=10:duration=2 -c:v "
            + std::string(c.codec) + " -pix_fmt " + c.pixels + " -q:v 2 '" + clip.string() + "'";
        ASSERT_EQ(std::system(make.c_str()), 0);
        IBaseFilter* splitter = Open(clip, CLSID_MatroskaSplitter);
        IBaseFilter* decoder = Add(*c.decoder, u"Decoder");
        IBaseFilter* encoder = Add(CLSID_Mpeg4VideoEncoder, u"Encoder");
        IBaseFilter* mux = Add(CLSID_AviMux, u"AVI Mux");
        IBaseFilter* writer = Add(CLSID_FileWriter, u"Standard File Writer");
        ASSERT_TRUE(splitter && decoder && encoder && mux && writer);
        ASSERT_EQ(Link(splitter, u"Video", decoder, u"In"), S_OK);
        std::vector<IBaseFilter*> chain = {decoder};
        for (const CLSID* stage : c.stages) chain.push_back(Add(*stage, (u"Stage " + WideText(std::to_string(chain.size()))).c_str()));
        chain.push_back(encoder);
        std::vector<GUID> links;
        for (size_t i = 0; i + 1 < chain.size(); ++i) {
            const std::u16string out = i == 0 ? u"Out" : u"Video Out";
            EXPECT_EQ(Link(chain[i], out, chain[i + 1], u"Video In"), S_OK) << i;
            links.push_back(LinkedSubtype(chain[i], out));
        }
        EXPECT_EQ(links, c.links);
        ASSERT_EQ(Link(encoder, u"Video Out", mux, u"Video In"), S_OK);
        ASSERT_EQ(Link(mux, u"Output", writer, u"in"), S_OK);
        WriteTo(writer, target);
        ASSERT_EQ(Run(), EC_COMPLETE);
        EXPECT_EQ(ProbeMedia(target, "stream=nb_read_frames", "v:0", "-count_frames"), "20");
        // Decoded back, every plane is about as close to the source as the tool's own
        // conversion at the encoder's settings makes it.
        const fs::path tool = dir / "tool.avi";
        const std::string convert = "ffmpeg -nostdin -v error -y -i '" + clip.string()
            + "' -c:v mpeg4 -g 12 -bf 0 '" + tool.string() + "'";
        ASSERT_EQ(std::system(convert.c_str()), 0);
        const PlanePsnr ours = MeasurePsnr(target, clip), theirs = MeasurePsnr(tool, clip);
        ASSERT_GT(theirs.y, 25.0);
        EXPECT_GT(ours.y, theirs.y - c.slack);
        EXPECT_GT(ours.u, theirs.u - c.slack);
        EXPECT_GT(ours.v, theirs.v - c.slack);
    }
}

} // namespace

// The splitter's output pin seeks: before the run, while paused and while running. Every
// seek restarts the writing graph, so the file holds what follows the last seek.
TEST_F(EncoderSetTest, WavParserPinSeeksBeforeAndDuringPlay)
{
    fs::path wav = dir / "long.wav";
    WriteWav(wav, 22050, 1, 22050 * 2);
    IBaseFilter* parser = OpenWav(wav);
    ASSERT_NE(parser, nullptr);
    IBaseFilter* mux = Add(CLSID_WavMultiplexer, u"Mux");
    IBaseFilter* writer = Add(CLSID_FileWriter, u"Standard File Writer");
    ASSERT_EQ(Link(parser, u"Audio", mux, u"Audio In"), S_OK);
    ASSERT_EQ(Link(mux, u"Output", writer, u"in"), S_OK);
    const fs::path out = dir / "part.wav";
    WriteTo(writer, out);
    IPin* pin = PinNamed(parser, PINDIR_OUTPUT, u"Audio");
    ASSERT_NE(pin, nullptr);
    IMediaSeeking* seeking = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IMediaSeeking>(pin, &seeking), S_OK);
    pin->Release();
    IMediaControl* control = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IMediaControl>(graph, &control), S_OK);
    auto seek = [&](double seconds) {
        LONGLONG at = LONGLONG(seconds * 1e7);
        return seeking->SetPositions(&at, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
    };
    auto position = [&] {
        LONGLONG at = -1;
        EXPECT_EQ(seeking->GetCurrentPosition(&at), S_OK);
        return double(at) * 1e-7;
    };
    auto written = [&] { return std::atof(Probe(out, "format=duration").c_str()); };

    // Before the run, with a stop position too.
    LONGLONG start = 5000000, stop = 15000000;
    ASSERT_EQ(seeking->SetPositions(&start, AM_SEEKING_AbsolutePositioning, &stop, AM_SEEKING_AbsolutePositioning), S_OK);
    EXPECT_NEAR(position(), 0.5, 1e-6);
    ASSERT_EQ(Run(), EC_COMPLETE);
    // The stop ends the stream with the packet that reaches it.
    EXPECT_GT(written(), 1.0 - 0.01);
    EXPECT_LT(written(), 1.1);

    // While paused: the graph starts again from there.
    stop = 20000000;
    ASSERT_EQ(seeking->SetPositions(nullptr, AM_SEEKING_NoPositioning, &stop, AM_SEEKING_AbsolutePositioning), S_OK);
    ASSERT_EQ(control->Pause(), S_OK);
    ASSERT_EQ(seek(1.25), S_OK);
    EXPECT_GE(position(), 1.25 - 1e-6);
    ASSERT_EQ(Run(), EC_COMPLETE);
    EXPECT_NEAR(written(), 0.75, 0.01);

    // While running: the position reads from the new place on and the file ends up with the rest.
    ASSERT_EQ(seek(0), S_OK);
    ASSERT_EQ(control->Run(), S_OK);
    ASSERT_EQ(seek(1.5), S_OK);
    EXPECT_GE(position(), 1.5 - 1e-6);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::fabs(written() - 0.5) > 0.01 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_NEAR(written(), 0.5, 0.01);
    control->Stop();
    control->Release();
    seeking->Release();
}
