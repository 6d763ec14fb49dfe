// A settings file "Data.xml" that was damaged, or written to do harm: the program still
// starts, keeps to audio, and writes a sound file again at the end.
#include "CTelloraData.h"
#include "CTelloraFrame.h"
#include "CTelloraPanel.h"
#include "UDirectoryUtils.h"
#include "UPersistStorage.h"
#include "win32/TestHome.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string DataPath()
{
    return std::string(UDirectoryUtils::GetUserAppDataDirectory()) + "Data.xml";
}

std::string Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Write(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

class TelloraBadSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("MORVANE_AUDIO", "null", 1);
        // A sound file as the program writes it, to damage.
        CTelloraData data;
        data.GetSpeechControl().SetVoice("Voice");
        data.GetSpeechControl().SetRate(2);
        data.GetSpeechControl().SetVolume(40);
        data.GetFilePath().SetFilePath("/tmp/speech.mp3");
        ASSERT_TRUE(UPersistStorage::DefaultSave(data, "Settings", "Data.xml"));
        good = Read(DataPath());
        ASSERT_NE(good.find("<voice>Voice</voice>"), std::string::npos) << good;
    }

    MvTestHome home;
    std::string good;
};

} // namespace

TEST_F(TelloraBadSettingsTest, TheProgramStartsWithWhateverTheFileHolds)
{
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<a>";
    std::string laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE Settings [<!ENTITY a \"aaaaaaaaaa\">";
    for (char c = 'b'; c <= 'k'; ++c)
        laughs += std::string("<!ENTITY ") + c + " \"" + std::string(10, '&') + "\">";
    laughs += "]>\n<Settings><data><speech><voice>&k;</voice></speech></data></Settings>";
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"not XML", std::string("\x00\xff\xfe garbage \x01\x02", 14)},
        {"cut short", good.substr(0, good.size() / 2)},
        {"nested a hundred thousand deep", "<?xml version=\"1.0\"?>\n<Settings>" + deep},
        {"entities that multiply", laughs},
        {"a ten megabyte voice", Replaced(good, "<voice>Voice</voice>", "<voice>" + std::string(10u << 20, 'v') + "</voice>")},
        {"invalid UTF-8 and zero bytes",
         Replaced(good, "<voice>Voice</voice>", std::string("<voice>V\xff\xfe\x00o\xc3</voice>", 20))},
        {"numbers out of every range", Replaced(Replaced(Replaced(good, "<speed>2</speed>", "<speed>99999999999</speed>"),
                                                         "<volume>40</volume>", "<volume>-7</volume>"),
                                                "<voice>Voice</voice>", "<voice>Voice</voice><type>-1</type>")},
        {"a path of control characters", Replaced(good, "/tmp/speech.mp3", std::string("\x1b[2J\x07\x08", 6))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Write(DataPath(), c.bytes);
        auto* frame = new CTelloraFrame;
        ASSERT_TRUE(frame->LoadFrame(128, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
        MvPumpUntilIdle();
        CTelloraData& data = frame->GetPanel().GetTelloraData();
        EXPECT_TRUE(data.GetMediaOutput().GetWantsAudio());
        EXPECT_FALSE(data.GetMediaOutput().GetWantsVideo());
        EXPECT_LE(data.GetSpeechControl().GetVoice().GetLength(), 10 << 20);
        CSpeechControl speech = data.GetSpeechControl();
        frame->DestroyWindow();
        MvPumpUntilIdle();

        // What the program wrote at the end reads back as it was.
        CTelloraData written;
        EXPECT_TRUE(UPersistStorage::DefaultLoad(written, "Settings", "Data.xml"));
        EXPECT_EQ(written.GetSpeechControl().GetVoice(), speech.GetVoice());
        EXPECT_EQ(written.GetSpeechControl().GetRate(), speech.GetRate());
        EXPECT_EQ(written.GetSpeechControl().GetVolume(), speech.GetVolume());
    }
}
