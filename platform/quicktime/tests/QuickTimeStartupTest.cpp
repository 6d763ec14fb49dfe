// The QuickTime library through its published calls only, loaded by name.
#include "quicktime/QuickTimeApi.h"
#include "win32/kernel/Module.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <link.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

template <class F>
F Bind(HMODULE module, const char* name)
{
    return reinterpret_cast<F>(GetProcAddress(module, name));
}

class QuickTimeStartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_module = LoadLibrary("QTMLClient.dll");
        ASSERT_NE(m_module, nullptr);
        initialize = Bind<InitializeQTMLProc>(m_module, "InitializeQTML");
        terminate = Bind<TerminateQTMLProc>(m_module, "TerminateQTML");
        gestalt = Bind<GestaltProc>(m_module, "Gestalt");
        enter = Bind<EnterMoviesProc>(m_module, "EnterMovies");
        exit = Bind<ExitMoviesProc>(m_module, "ExitMovies");
        encoder = Bind<QTEncoderForFormatProc>(m_module, "QTEncoderForFormat");
        ASSERT_TRUE(initialize && terminate && gestalt && enter && exit && encoder);
    }
    // The library stays loaded: the codec libraries under it keep process-wide tables that
    // would look lost once their code is unloaded.

    HMODULE m_module = nullptr;
    InitializeQTMLProc initialize = nullptr;
    TerminateQTMLProc terminate = nullptr;
    GestaltProc gestalt = nullptr;
    EnterMoviesProc enter = nullptr;
    ExitMoviesProc exit = nullptr;
    QTEncoderForFormatProc encoder = nullptr;
};

TEST_F(QuickTimeStartupTest, TheVersionIsKnownOnlyWhileStartedAndFollowsTheH264Encoder)
{
    long version = 0;
    EXPECT_EQ(gestalt(gestaltQuickTime, &version), qtmlNotInitialized);
    EXPECT_EQ(enter(), qtmlNotInitialized);
    ASSERT_EQ(initialize(0), noErr);
    ASSERT_EQ(gestalt(gestaltQuickTime, &version), noErr);
    EXPECT_EQ(enter(), noErr);
    // 7.3 (H.264) exactly when the H.264 row can be encoded.
    EXPECT_EQ(version >= 0x07030000, encoder(0x61766331) != nullptr); // 'avc1'
    EXPECT_GE(version, 0x06500000);
    EXPECT_EQ(gestalt(0x73797376, &version), gestaltUndefSelectorErr); // any other selector
    exit();
    terminate();
    EXPECT_EQ(gestalt(gestaltQuickTime, &version), qtmlNotInitialized);
}

int FindAvcodec(dl_phdr_info* info, size_t, void* found)
{
    if (info->dlpi_name && std::strstr(info->dlpi_name, "/libavcodec.so")) *static_cast<bool*>(found) = true;
    return 0;
}

bool AvcodecLoaded()
{
    bool found = false;
    dl_iterate_phdr(FindAvcodec, &found);
    return found;
}

// In a process of its own, so that no other test has loaded FFmpeg before.
TEST(QuickTimeStartupAlone, StartingAndAskingTheVersionLeavesFfmpegUnloaded)
{
#ifndef MV_BUILT_AVCODEC
    GTEST_SKIP() << "FFmpeg is linked as usual, or the build did not find out what it encodes";
#endif
    const char* paths = std::getenv("LD_LIBRARY_PATH");
    if (paths && *paths) GTEST_SKIP() << "LD_LIBRARY_PATH may lead the loader to another FFmpeg";
    if (!std::getenv("MV_QT_ALONE")) {
        std::string self(4096, '\0');
        self.resize(std::max<ssize_t>(0, ::readlink("/proc/self/exe", self.data(), self.size() - 1)));
        std::string filter = "--gtest_filter=QuickTimeStartupAlone.*";
        char* argv[] = {self.data(), filter.data(), nullptr};
        ::setenv("MV_QT_ALONE", "1", 1);
        pid_t pid = -1;
        int spawned = posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv, environ);
        ::unsetenv("MV_QT_ALONE");
        ASSERT_EQ(spawned, 0);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        return;
    }
    ASSERT_FALSE(AvcodecLoaded());
    HMODULE module = LoadLibrary("QTMLClient.dll");
    ASSERT_NE(module, nullptr);
    auto initialize = Bind<InitializeQTMLProc>(module, "InitializeQTML");
    auto gestalt = Bind<GestaltProc>(module, "Gestalt");
    auto encoder = Bind<QTEncoderForFormatProc>(module, "QTEncoderForFormat");
    ASSERT_TRUE(initialize && gestalt && encoder);
    ASSERT_EQ(initialize(0), noErr);
    long version = 0;
    ASSERT_EQ(gestalt(gestaltQuickTime, &version), noErr);
    EXPECT_FALSE(AvcodecLoaded());
    // The answer is FFmpeg's own, which is loaded to find the encoder.
    EXPECT_EQ(version >= 0x07030000, encoder(0x61766331) != nullptr); // 'avc1'
    EXPECT_TRUE(AvcodecLoaded());
}

TEST_F(QuickTimeStartupTest, FormatCodesMapToEncodersOrToNone)
{
    const struct {
        const char* code;
        const char* encoder;
    } cases[] = {{"mp4a", "aac"}, {"alac", "alac"}, {"twos", "pcm_s16be"}, {"ima4", "adpcm_ima_qt"},
                 {"mp4v", "mpeg4"}, {"mjp2", "jpeg2000"}, {"MAC3", nullptr}, {"QDMC", nullptr},
                 {"SVQ3", nullptr}, {"IV41", nullptr}};
    for (const auto& c : cases) {
        const OSType code = OSType(uint8_t(c.code[0])) << 24 | OSType(uint8_t(c.code[1])) << 16 |
                            OSType(uint8_t(c.code[2])) << 8 | OSType(uint8_t(c.code[3]));
        const char* found = encoder(code);
        if (c.encoder)
            EXPECT_STREQ(found, c.encoder) << c.code;
        else
            EXPECT_EQ(found, nullptr) << c.code;
    }
}

} // namespace
