// A save killed at any moment leaves either all of its values or none of them: a child
// process saves again and again, each time with a new generation in every value, and is
// killed at random moments; the file must then hold one generation only.
#include "CIniProfile.h"
#include "CPersistObject.h"
#include "CRegistryPersistStorage.h"
#include "UDirectoryUtils.h"
#include "UWindowsUtils.h"
#include "afx/windows/CWnd.h"
#include "win32/TestHome.h"
#include "win32/settings/Profile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kFields = 8;

class Generations : public CPersistObject {
public:
    LONG fields[kFields] = {};
    void Clear() override
    {
        CPersistObject::Clear();
        for (LONG& f : fields) f = 0;
    }
    void SaveSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::SaveSelf(n, s);
        for (LONG f : fields) s.Save("Field", f);
    }
    void LoadSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::LoadSelf(n, s);
        for (LONG& f : fields) s.Load("Field", f);
    }
};

struct Saver {
    const char* name;
    std::function<void(int)> save;          // in the child, generation after generation
    std::function<std::set<long>()> seen;   // in the parent: the generations the file holds
};

std::set<long> SeenIn(const Generations& object)
{
    return std::set<long>(std::begin(object.fields), std::end(object.fields));
}

std::string IniPath(const char* name) { return std::string(UDirectoryUtils::GetUserAppDataDirectory()) + name; }

Saver ObjectSaver(const char* name, bool ini)
{
    const char* section = "Kill Test";
    auto path = [ini] { return ini ? IniPath("kill.ini") : std::string(); };
    return {name,
            [=](int generation) {
                Generations object;
                for (LONG& f : object.fields) f = generation;
                std::string file = path();
                CRegistryPersistStorage storage(section, ini ? file.c_str() : nullptr);
                object.Save("Object", storage);
            },
            [=] {
                Generations object;
                std::string file = path();
                CRegistryPersistStorage storage(section, ini ? file.c_str() : nullptr);
                object.Load("Object", storage);
                return SeenIn(object);
            }};
}

Saver PlaceSaver()
{
    return {"window place",
            [](int generation) {
                static CWnd* window = [] {
                    auto* w = new CWnd;
                    if (!w->CreateEx(0, nullptr, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0))
                        _exit(3);
                    return w;
                }();
                window->MoveWindow(generation, generation, generation + 100, generation + 100);
                UWindowsUtils::StoreLocation(window);
            },
            [] {
                std::string file = IniPath("window.ini");
                std::set<long> seen;
                seen.insert(GetPrivateProfileInt("Window", "Left", 0, file.c_str()));
                seen.insert(GetPrivateProfileInt("Window", "Top", 0, file.c_str()));
                seen.insert(long(GetPrivateProfileInt("Window", "Width", 100, file.c_str())) - 100);
                seen.insert(long(GetPrivateProfileInt("Window", "Height", 100, file.c_str())) - 100);
                return seen;
            }};
}

class SavesSurviveAKill : public ::testing::TestWithParam<int> {
protected:
    MvTestHome home;
};

TEST_P(SavesSurviveAKill, TheFileHoldsOneGenerationOnly)
{
    const Saver savers[] = {ObjectSaver("registry store", false), ObjectSaver("registry store on an ini file", true),
                            PlaceSaver()};
    const Saver& saver = savers[GetParam()];
    ASSERT_TRUE(UDirectoryUtils::CreateDirectoryIfNotExist(UDirectoryUtils::GetUserAppDataDirectory()));
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> moment(0, 4000);
    for (int round = 0; round < 12; ++round) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int generation = 1;; ++generation) saver.save(generation + 1000 * round);
        }
        // Until the child has saved something this round, then a random moment more.
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < deadline && *saver.seen().rbegin() <= 1000 * round)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << saver.name << ": the child stopped by itself, status " << status;
        std::set<long> seen = saver.seen();
        ASSERT_EQ(seen.size(), 1u) << saver.name << ", round " << round << ": values of " << seen.size()
                                   << " saves, from " << *seen.begin() << " to " << *seen.rbegin();
        ASSERT_GT(*seen.begin(), 1000 * round) << saver.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Savers, SavesSurviveAKill, ::testing::Values(0, 1, 2));

}
