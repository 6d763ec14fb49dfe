// The QuickTime library's movie calls through its published entry points, loaded by name:
// the component list, settings containers (damaged ones included) and an export from
// procedures with a format the system cannot encode.
#include "quicktime/QuickTimeMovies.h"
#include "win32/TestHome.h"
#include "win32/kernel/Module.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr OSType kMpg4 = 0x6D706734, kAiff = 0x41494646, kSvq3 = 0x53565133;

class QuickTimeMoviesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HMODULE module = LoadLibrary("QTMLClient.dll");
        ASSERT_NE(module, nullptr);
        ASSERT_TRUE(QTBindMovieCalls(qt, [&](const char* name) { return GetProcAddress(module, name); }));
    }

    ComponentInstance OpenExporter(OSType fileType)
    {
        ComponentInstance exporter = nullptr;
        EXPECT_EQ(qt.OpenADefaultComponent(MovieExportType, fileType, &exporter), noErr);
        return exporter;
    }

    std::string Settings(ComponentInstance exporter)
    {
        QTAtomContainer settings = nullptr;
        EXPECT_EQ(qt.MovieExportGetSettingsAsAtomContainer(exporter, &settings), noErr);
        std::string bytes(*settings, size_t(qt.GetHandleSize(settings)));
        qt.QTDisposeAtomContainer(settings);
        return bytes;
    }

    QTMovieCalls qt;
};

// A data source of one 16x16 picture, then the end.
struct SOnePicture {
    std::vector<char> bytes = std::vector<char>(16 * 16 * 3, 0x40);
    Handle description = nullptr;
    int calls = 0;

    static OSErr GetData(void* self, MovieExportGetDataParams* params)
    {
        auto* source = static_cast<SOnePicture*>(self);
        if (source->calls++ > 0) return eofErr;
        auto* d = reinterpret_cast<ImageDescription*>(*source->description);
        d->idSize = sizeof(ImageDescription);
        d->width = d->height = 16;
        d->depth = 24;
        params->dataPtr = source->bytes.data();
        params->dataSize = int32_t(source->bytes.size());
        params->desc = source->description;
        params->actualTime = 0;
        params->durationPerSample = 3600;
        params->actualSampleCount = 1;
        return noErr;
    }
};

} // namespace

TEST_F(QuickTimeMoviesTest, ExportersFromProceduresAreFoundByFileTypeAndMaker)
{
    ComponentDescription any{MovieExportType, 0, 0, canMovieExportFromProcedures, canMovieExportFromProcedures};
    // MOV, MP4, M4V, 3GP, DV and AIFF.
    int found = 0;
    for (Component c = qt.FindNextComponent(nullptr, &any); c; c = qt.FindNextComponent(c, &any)) {
        ComponentInstance exporter = nullptr;
        ASSERT_EQ(qt.OpenAComponent(c, &exporter), noErr);
        qt.CloseComponent(exporter);
        ++found;
    }
    EXPECT_EQ(found, 6);
    // The audio-only exporter is the sound maker's.
    ComponentDescription sound{MovieExportType, 0, SoundMediaType, canMovieExportFromProcedures,
                               canMovieExportFromProcedures};
    Component aiff = qt.FindNextComponent(nullptr, &sound);
    ASSERT_NE(aiff, nullptr);
    EXPECT_EQ(qt.FindNextComponent(aiff, &sound), nullptr);
    ComponentDescription byType{MovieExportType, kAiff, SoundMediaType, 0, 0};
    EXPECT_EQ(qt.FindNextComponent(nullptr, &byType), aiff);
    ComponentInstance none = nullptr;
    EXPECT_NE(qt.OpenADefaultComponent(MovieExportType, 0x58585858, &none), noErr);
    EXPECT_EQ(none, nullptr);
}

TEST_F(QuickTimeMoviesTest, DamagedSettingsAreRefusedAndLeaveTheExporterAsItWas)
{
    ComponentInstance exporter = OpenExporter(kMpg4);
    ASSERT_NE(exporter, nullptr);
    const std::string before = Settings(exporter);
    ASSERT_EQ(before.size() % 12, 0u);
    const std::string damaged[] = {
        before.substr(0, 5),                        // cut inside an atom's header
        std::string("\0\0\0\0vcod", 8),             // a size of nothing
        std::string("\x7F\xFF\xFF\xFFvcod\0\0\0\0", 12), // a size past the end
        before.substr(0, before.size() - 3),        // cut inside the last value
    };
    for (const std::string& bytes : damaged) {
        Handle settings = qt.NewHandle(int32_t(bytes.size()));
        std::memcpy(*settings, bytes.data(), bytes.size());
        EXPECT_EQ(qt.MovieExportSetSettingsFromAtomContainer(exporter, settings), paramErr);
        qt.DisposeHandle(settings);
        EXPECT_EQ(Settings(exporter), before);
    }
    qt.CloseComponent(exporter);
}

TEST_F(QuickTimeMoviesTest, AFormatTheSystemCannotEncodeFailsTheExportWithItsName)
{
    MvTestHome home;
    const std::string path = (std::filesystem::path(home.Path()) / "sorenson.mov").string();
    ComponentInstance exporter = OpenExporter(0x4D6F6F56);
    ComponentInstance compressor = nullptr;
    ASSERT_EQ(qt.OpenADefaultComponent(StandardCompressionType, StandardCompressionSubType, &compressor), noErr);
    SCSpatialSettings spatial{kSvq3, nullptr, 0, 512};
    ASSERT_EQ(qt.SCSetInfo(compressor, scSpatialSettingsType, &spatial), noErr);
    QTAtomContainer settings = nullptr;
    ASSERT_EQ(qt.SCGetInfo(compressor, scSettingsStateType, &settings), noErr);
    ASSERT_EQ(qt.MovieExportSetSettingsFromAtomContainer(exporter, settings), noErr);
    qt.DisposeHandle(settings);
    qt.CloseComponent(compressor);

    SOnePicture source;
    source.description = qt.NewHandleClear(sizeof(ImageDescription));
    int32_t track = 0;
    ASSERT_EQ(qt.MovieExportAddDataSource(exporter, VideoMediaType, 90000, &track, nullptr, &SOnePicture::GetData,
                                          &source),
              noErr);
    Handle alias = qt.NewHandle(int32_t(path.size()));
    std::memcpy(*alias, path.data(), path.size());
    const ComponentResult result = qt.MovieExportFromProceduresToDataRef(exporter, alias, rAliasType);
    EXPECT_EQ(result, noCodecErr);
    // Nothing half-written is left behind.
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_NE(std::string(qt.QTErrorText(OSErr(result))).find("'SVQ3'"), std::string::npos);
    EXPECT_EQ(qt.MovieExportDisposeDataSource(exporter, nullptr, &SOnePicture::GetData, nullptr), noErr);
    qt.DisposeHandle(alias);
    qt.DisposeHandle(source.description);
    qt.CloseComponent(exporter);
}
