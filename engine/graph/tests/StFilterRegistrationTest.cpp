#include "CDirectoryPath.h"
#include "CFilePath.h"
#include "StFilterRegistration.h"
#include "UDirectoryUtils.h"
#include "com/ClassRegistry.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// The classes of the test filter library: one registered as it loads, one by its export.
constexpr CLSID kLoadedClass = {0x3E1C6A40, 0x5B2D, 0x4C7E, {0x9A, 0x11, 0x62, 0x0F, 0x4D, 0x8B, 0x21, 0x01}};
constexpr CLSID kRegisteredClass = {0x3E1C6A40, 0x5B2D, 0x4C7E, {0x9A, 0x11, 0x62, 0x0F, 0x4D, 0x8B, 0x21, 0x02}};

class FilterRegistrationTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        ComRegisterClass(kLoadedClass, nullptr);
        ComRegisterClass(kRegisteredClass, nullptr);
    }
    static bool Registered() { return ComFindClass(kLoadedClass) && ComFindClass(kRegisteredClass); }

    MvTestHome m_home;
};

}  // namespace

TEST_F(FilterRegistrationTest, RegistersTheFilterLibrariesOfAFolderOnly)
{
    const fs::path folder = fs::path(m_home.Path()) / "filters";
    fs::create_directories(folder / "more");
    fs::copy_file(MV_TEST_FILTER_MODULE, folder / "more" / "stage.ax");
    std::ofstream(folder / "readme.txt") << "not a filter";
    CFilePath file((folder / "more" / "stage.ax").string().c_str());

    StFilterRegistration registration;
    registration.Execute("start ", &file);
    EXPECT_FALSE(ComFindClass(kLoadedClass));
    EXPECT_FALSE(ComFindClass(kRegisteredClass));

    // A folder is walked to its files, in sub-folders too.
    CDirectoryPath tree((folder.string() + "/").c_str());
    tree.Populate();
    registration.Execute("regsvr32 /s ", &tree);
    EXPECT_TRUE(Registered());
}

TEST_F(FilterRegistrationTest, ConstructionRegistersTheLibrariesBesideTheProgram)
{
    const fs::path beside = fs::path(UDirectoryUtils::GetAppDirectory()) / "mvgraph_test_registration.ax";
    fs::copy_file(MV_TEST_FILTER_MODULE, beside, fs::copy_options::overwrite_existing);
    { StFilterRegistration registration; }
    fs::remove(beside);
    EXPECT_TRUE(Registered());
}
