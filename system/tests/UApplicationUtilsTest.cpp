#include "CLibrary.h"
#include "CTracer.h"
#include "CVersion.h"
#include "StApplicationId.h"
#include "UApplicationUtils.h"

#include "win32/kernel/Files.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

TEST(UApplicationUtils, NamesComeFromTheProductTable)
{
    EXPECT_STREQ("Morvane Tellora", UApplicationUtils::GetApplicationName(98102));
    EXPECT_STREQ("zTellora", UApplicationUtils::GetRegistryName(98102));
    EXPECT_STREQ("Tellora", UApplicationUtils::GetShortApplicationName(98102));
    EXPECT_STREQ("Morvane Software", UApplicationUtils::GetApplicationName(0));
    EXPECT_STREQ("zEderivoz", UApplicationUtils::GetRegistryName(0));
    EXPECT_STREQ("Software", UApplicationUtils::GetShortApplicationName(123456));
    EXPECT_STREQ("zEderivoz", UApplicationUtils::GetRegistryName(70004)); // an add-on pack
    EXPECT_STREQ("Morvane Voice Pack", UApplicationUtils::GetApplicationName(70004));
    EXPECT_STREQ("Trellum 3D Webcam", UApplicationUtils::GetApplicationName(11097));
    EXPECT_STREQ("Ringtone Maker", UApplicationUtils::GetApplicationName(81932));
}

TEST(UApplicationUtils, TheCurrentApplicationCarriesTheProgramsVersion)
{
    EXPECT_STREQ("Morvane Software", UApplicationUtils::GetApplicationName());
    StApplicationId id(98102);
    CVersion version;
    version.Parse((std::to_string(MV_VERSION_MAJOR) + "." + std::to_string(MV_VERSION_MINOR) + "." +
                   std::to_string(MV_VERSION_BUGFIX)).c_str());
    EXPECT_EQ(std::string("Morvane Tellora ") + version.GetSimpleVersionText(), UApplicationUtils::GetApplicationNameWithVersion());
}

TEST(CVersion, ParsesPartsAndKeepsWhatIsAbsent)
{
    CVersion version;
    version.Parse("1.1.7.9");
    version.Parse("2.5");
    EXPECT_STREQ("2.5.7.9", version.GetVersionText());
    version.Parse("3");
    EXPECT_STREQ("3.5.7.9", version.GetVersionText());
    version.Parse("4.0.0.12");
    EXPECT_STREQ("4.0", version.GetSimpleVersionText());
    version.Parse("4.0.1.12");
    EXPECT_STREQ("4.0.1", version.GetSimpleVersionText());
    version.Parse(nullptr);
    EXPECT_STREQ("4.0.1.12", version.GetVersionText());
}

TEST(CVersion, NewerComparesAllButTheBuild)
{
    struct Case {
        const char* a;
        const char* b;
        bool newer;
    } cases[] = {
        {"1.2.0.9", "1.2.0.3", false}, {"1.10.0.0", "1.9.5.0", true}, {"2.0", "1.99.99", true},
        {"1.2.3", "1.2.3", false},     {"1.2.4", "1.2.3.100", true},  {"1.9.9", "2.0", false},
    };
    for (const auto& c : cases) {
        CVersion a, b;
        a.Parse(c.a);
        b.Parse(c.b);
        EXPECT_EQ(c.newer, a.NewerThan(b)) << c.a << " vs " << c.b;
    }
}

TEST(CVersion, ReadsTheVersionRecordOfAProgramFile)
{
    char path[4096];
    ASSERT_GT(GetModuleFileName(nullptr, path, sizeof(path)), 0u);
    CVersion own(path);
    EXPECT_EQ(MV_VERSION_MAJOR, own.GetMajorVersion());
    EXPECT_EQ(MV_VERSION_MINOR, own.GetMinorVersion());
    EXPECT_EQ(MV_VERSION_BUGFIX, own.GetBugFixVersion());
    EXPECT_EQ(MV_VERSION_BUILD, own.GetBuildVersion());
    for (const char* other : {"/bin/sh", "/etc/hostname", "/no/such/file", ""}) {
        EXPECT_STREQ("0.0.0.0", CVersion(other).GetVersionText()) << other;
    }
}

TEST(CLibrary, AFailedLoadIsNotRetriedUntilTheLibraryIsNamedAgain)
{
    CLibrary library("libm.so.6");
    EXPECT_EQ(nullptr, library.GetModule());
    EXPECT_TRUE(library.LoadLibraryA());
    EXPECT_NE(nullptr, library.GetModule());
    CLibrary copy(library);
    EXPECT_TRUE(copy.LoadLibraryA());

    CLibrary missing("no_such_library.dll");
    EXPECT_FALSE(missing.LoadLibraryA());
    missing.Load("libm.so.6");
    EXPECT_TRUE(missing.LoadLibraryA());

    CLibrary retried("no_such_library.dll");
    EXPECT_FALSE(retried.LoadLibraryA());
    // Even a path that would now load stays untried without Load.
    EXPECT_FALSE(retried.LoadLibraryA());
}

TEST(CLibrary, APathTooLongLoadsNothingRatherThanTheLibraryItWouldBeCutTo)
{
    CLibrary real("libm.so.6");
    ASSERT_TRUE(real.LoadLibraryA());
    char file[CLibrary::kMaxPath + 1];
    ASSERT_GT(GetModuleFileName(real.GetModule(), file, sizeof(file)), 0u);
    ASSERT_EQ('/', file[0]);
    std::string fits = std::string(CLibrary::kMaxPath - std::strlen(file), '/') + file;
    EXPECT_TRUE(CLibrary(fits.c_str()).LoadLibraryA());

    CLibrary tooLong((fits + ".x").c_str());
    EXPECT_STREQ("", tooLong.GetPath());
    EXPECT_FALSE(tooLong.LoadLibraryA());
}

namespace {
struct RecordingTracer : CTracer {
    std::string seen;
    void DebugTrace(const char* text) override { seen += text; }
};
}

TEST(CTracer, TheFirstTracerReceivesTracesAndLoadsNothing)
{
    CTracer::Trace("nobody listens");
    {
        RecordingTracer first;
        CTracer second;
        EXPECT_EQ(&first, CTracer::sTracer);
        EXPECT_FALSE(first.LoadLibraryA());
        CTracer::Trace("hello");
        EXPECT_EQ("hello", first.seen);
    }
    EXPECT_EQ(nullptr, CTracer::sTracer);
}
