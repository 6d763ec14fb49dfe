#include "CRealMediaLibrary.h"
#include "CRealProfile.h"
#include "CRealSystem.h"
#include "CRegistry.h"
#include "fake/FakeProducer.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <cstring>
#include <vector>

namespace fs = std::filesystem;

namespace {

class RealSystemTest : public ::testing::Test {
protected:
    std::string Folder() const { return m_home.Path() + "/producer"; }
    std::string ModulePath() const { return Folder() + "/tools/encsession.dll"; }

    void PointRegistryAt(const std::string& folder)
    {
        CRegistry registry("SDK", "Location");
        registry.SetCompany("Morvane");
        registry.SetApplication("RealMedia");
        registry.SetCurrentUser(false);
        registry.SetTextValue(folder.c_str());
    }
    void InstallModule()
    {
        fs::create_directories(Folder() + "/tools");
        fs::copy_file(MV_FAKE_PRODUCER, ModulePath(), fs::copy_options::overwrite_existing);
    }
    void AddAudience(const std::string& file, const std::string& text)
    {
        fs::create_directories(Folder() + "/audiences");
        std::ofstream(Folder() + "/audiences/" + file) << text;
    }
    // The producer's standard set: video only, audio only, both, and four that are dropped.
    void AddStandardAudiences()
    {
        AddAudience("a", "Video 300k\nvideoStream\n");
        AddAudience("b", "Audio 64k\naudioStream\neventStream\n");
        AddAudience("c", "Both 500k\naudioStream\nvideoStream\n");
        AddAudience("d", "Events only\neventStream\n");
        AddAudience("e", "-\naudioStream\n");
        AddAudience("f", "Wrong case\nAudioStream\nVIDEOSTREAM\n");
        AddAudience("broken", "Unreadable\naudioStream\n");
    }
    // A reference of the test's own to the module the system loaded, for its test calls.
    void* OpenLoadedModule() { return dlopen(ModulePath().c_str(), RTLD_NOW | RTLD_NOLOAD); }
    template <class F>
    F Call(void* module, const char* name)
    {
        return reinterpret_cast<F>(dlsym(module, name));
    }

    MvTestHome m_home;
};

}

TEST_F(RealSystemTest, WithoutTheRegistryValueThereIsNothing)
{
    CRealSystem system;
    EXPECT_STREQ("", system.GetPath());
    EXPECT_FALSE(system.Load());
    EXPECT_EQ(0, system.GetProfileCount());
    EXPECT_EQ(nullptr, system.GetClassFactory());
    EXPECT_EQ(nullptr, system.FindFirst(true));
    EXPECT_EQ(nullptr, system.FindProfile("Audio 64k"));
    EXPECT_EQ(nullptr, system.GetProfile(0));
}

TEST_F(RealSystemTest, AudiencesWithAudioOrVideoStreamsAreListedInOrder)
{
    PointRegistryAt(Folder());
    InstallModule();
    AddStandardAudiences();
    auto system = std::make_unique<CRealSystem>();
    EXPECT_EQ(Folder(), system->GetPath());
    ASSERT_EQ(3, system->GetProfileCount());
    EXPECT_NE(nullptr, system->GetClassFactory());
    const struct {
        const char* name;
        bool video, audio;
    } expected[] = {{"Video 300k", true, false}, {"Audio 64k", false, true}, {"Both 500k", true, true}};
    for (int i = 0; i < 3; ++i) {
        CRealProfile* profile = system->GetProfile(i);
        EXPECT_STREQ(expected[i].name, profile->GetName());
        EXPECT_EQ(expected[i].video, profile->GetHasVideo()) << expected[i].name;
        EXPECT_EQ(expected[i].audio, profile->GetHasAudio()) << expected[i].name;
        EXPECT_NE(nullptr, profile->GetProfile());
    }
    EXPECT_STREQ("Audio 64k", system->FindFirst(true)->GetName());
    EXPECT_STREQ("Video 300k", system->FindFirst(false)->GetName());
    EXPECT_EQ(system->GetProfile(2), system->FindProfile("Both 500k"));
    EXPECT_EQ(nullptr, system->FindProfile("both 500k"));
    EXPECT_EQ(nullptr, system->FindProfile("Events only"));

    void* module = OpenLoadedModule();
    ASSERT_NE(nullptr, module);
    auto accessPaths = Call<const char* (*)()>(module, "FakeProducer_AccessPaths");
    auto live = Call<int (*)()>(module, "FakeProducer_LiveObjects");
    std::string f = Folder();
    EXPECT_EQ("DT_Plugins=" + f + "/plugins|DT_Codecs=" + f + "/codecs|DT_EncSDK=" + f + "/tools|DT_Common=" + f +
                  "/common|",
              std::string(accessPaths()));
    // The factory and the three kept audiences; every dropped one and every stream released.
    EXPECT_EQ(4, live());
    system.reset();
    EXPECT_EQ(0, live());
    dlclose(module);
}

TEST_F(RealSystemTest, TheListIsBuiltOnceAFactoryIsHeld)
{
    PointRegistryAt(Folder());
    InstallModule();
    AddAudience("a", "First\naudioStream\n");
    CRealSystem system;
    EXPECT_EQ(1, system.GetProfileCount());
    AddAudience("b", "Second\naudioStream\n");
    EXPECT_EQ(1, system.GetProfileCount());
    EXPECT_EQ(nullptr, system.FindProfile("Second"));
}

TEST_F(RealSystemTest, AMissingModuleIsLookedForAgainOnEveryQuery)
{
    PointRegistryAt(Folder());
    AddAudience("a", "Late\nvideoStream\n");
    CRealSystem system;
    EXPECT_EQ(0, system.GetProfileCount());
    EXPECT_EQ(nullptr, system.GetClassFactory());
    InstallModule();
    EXPECT_EQ(1, system.GetProfileCount());
    EXPECT_STREQ("Late", system.FindFirst(false)->GetName());
}

TEST_F(RealSystemTest, ACopiedProfileHoldsItsOwnReference)
{
    PointRegistryAt(Folder());
    InstallModule();
    AddAudience("a", "Shared\naudioStream\n");
    CRealSystem system;
    ASSERT_EQ(1, system.GetProfileCount());
    void* module = OpenLoadedModule();
    ASSERT_NE(nullptr, module);
    auto live = Call<int (*)()>(module, "FakeProducer_LiveObjects");
    int before = live();
    {
        CRealProfile copy(*system.GetProfile(0));
        CRealProfile assigned;
        assigned = copy;
        EXPECT_STREQ("Shared", assigned.GetName());
        EXPECT_TRUE(assigned.GetHasAudio());
        EXPECT_EQ(system.GetProfile(0)->GetProfile(), assigned.GetProfile());
    }
    // The copies let go of their own references only: the system's audience lives on.
    EXPECT_EQ(before, live());
    const char* name = nullptr;
    EXPECT_EQ(S_OK, system.GetProfile(0)->GetProfile()->GetText("name", &name));
    EXPECT_STREQ("Shared", name);
    dlclose(module);
}

TEST_F(RealSystemTest, AFolderTooLongForTheModulePathIsNotLoaded)
{
    PointRegistryAt("/" + std::string(300, 'p'));
    CRealSystem system;
    EXPECT_FALSE(system.Load());
    EXPECT_EQ(0, system.GetProfileCount());
}

TEST(RealMediaLibrary, AccessPathsAreFourTextsEndedByAnEmptyOne)
{
    char buffer[CRealMediaLibrary::kAccessPathSize];
    ASSERT_TRUE(CRealMediaLibrary::FormatAccessPaths("/opt/p", buffer, sizeof buffer));
    std::string run;
    const char* p = buffer;
    for (; *p; p += std::strlen(p) + 1) run += std::string(p) + "|";
    EXPECT_EQ("DT_Plugins=/opt/p/plugins|DT_Codecs=/opt/p/codecs|DT_EncSDK=/opt/p/tools|DT_Common=/opt/p/common|",
              run);
    EXPECT_EQ(0, p[0]);
    EXPECT_EQ(0, p[1]);   // the zeroed rest

    // A folder whose four paths cannot fit leaves an empty run instead of overrunning.
    std::string huge(600, 'x');
    EXPECT_FALSE(CRealMediaLibrary::FormatAccessPaths(huge.c_str(), buffer, sizeof buffer));
    EXPECT_EQ(0, buffer[0]);
    // Exactly fitting: four texts, their zeros and the final zero.
    std::string fits(500, 'y');
    size_t needed = 4 * (fits.size() + 1) + std::strlen("DT_Plugins=/pluginsDT_Codecs=/codecsDT_EncSDK=/toolsDT_Common=/common") + 1;
    std::vector<char> exact(needed);
    EXPECT_TRUE(CRealMediaLibrary::FormatAccessPaths(fits.c_str(), exact.data(), exact.size()));
    EXPECT_FALSE(CRealMediaLibrary::FormatAccessPaths(fits.c_str(), exact.data(), exact.size() - 1));
}

TEST(RealMediaLibrary, AModuleThatIsAbsentYieldsNoFactory)
{
    CRealMediaLibrary library;
    library.Load("/nonexistent/tools/encsession.dll");
    EXPECT_FALSE(library.LoadLibraryA());
    IHXTClassFactory* factory = reinterpret_cast<IHXTClassFactory*>(0x1);
    library.CreateClassFactory(&factory);
    EXPECT_EQ(reinterpret_cast<IHXTClassFactory*>(0x1), factory);
    library.SetDllLibrary("/nonexistent");
}

TEST(RealSystem, TheFirstSystemIsTheProcessWideOne)
{
    ASSERT_EQ(nullptr, CRealSystem::sSystem);
    {
        CRealSystem first;
        EXPECT_EQ(&first, CRealSystem::sSystem);
        {
            CRealSystem second;
            EXPECT_EQ(&first, CRealSystem::sSystem);
        }
        EXPECT_EQ(&first, CRealSystem::sSystem);
    }
    EXPECT_EQ(nullptr, CRealSystem::sSystem);
}
