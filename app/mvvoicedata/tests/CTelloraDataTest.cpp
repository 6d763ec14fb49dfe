#include "CMetaClassController.h"
#include "CPersistStorage.h"
#include "CTelloraData.h"
#include "CXmlPersistReader.h"
#include "CXmlPersistStorage.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace {

constexpr ESplitterType kWav = 500;
constexpr ESplitterType kOther = 700;

bool WantsAudioOnly(CTelloraData& data)
{
    return data.GetMediaOutput().GetWantsAudio() && !data.GetMediaOutput().GetWantsVideo() &&
           !data.GetFilePath().GetAutoNaming();
}

void SetSpeech(CTelloraData& data, const char* voice, signed char rate, unsigned short volume)
{
    data.GetSpeechControl().SetVoice(voice);
    data.GetSpeechControl().SetRate(rate);
    data.GetSpeechControl().SetVolume(volume);
}

void ExpectSpeech(CTelloraData& data, const char* voice, signed char rate, unsigned short volume)
{
    EXPECT_EQ(CString(voice), data.GetSpeechControl().GetVoice());
    EXPECT_EQ(rate, data.GetSpeechControl().GetRate());
    EXPECT_EQ(volume, data.GetSpeechControl().GetVolume());
}

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(TelloraData, ANewRecordWritesAudioOnlyToANamedFileWithoutRemultiplexing)
{
    CTelloraData data;
    EXPECT_TRUE(WantsAudioOnly(data));
    EXPECT_FALSE(data.GetMediaOutput().GetAudioOutput().GetRemux());
    ExpectSpeech(data, "", 0, 80);
    EXPECT_EQ(FourCharCode("spaw"), data.GetObjectType());
    EXPECT_TRUE(data.IsInstanceOf(FourCharCode("spaw")));
    EXPECT_TRUE(data.IsInstanceOf(FourCharCode("awr2")));
    EXPECT_FALSE(data.IsInstanceOf(FourCharCode("spcl")));

    std::unique_ptr<CPersistObject> created(CMetaClassController::CreateOne(FourCharCode("spaw")));
    ASSERT_NE(nullptr, dynamic_cast<CTelloraData*>(created.get()));
    EXPECT_TRUE(WantsAudioOnly(*static_cast<CTelloraData*>(created.get())));
}

TEST(TelloraData, ASettingsFileCannotTurnOnVideoOrAutomaticNaming)
{
    // A writer as another program of the family would have stored it.
    CMediaWriter2 stored;
    stored.GetMediaOutput().SetWantsVideo(true);
    stored.GetMediaOutput().SetWantsAudio(false);
    stored.GetFilePath().SetAutoNaming(true);
    stored.GetFilePath().SetFilePath("/tmp/out.mp3");
    stored.GetMediaOutput().GetAudioOutput().SetRemux(true);
    ASSERT_FALSE(stored.GetMediaOutput().GetWantsAudio());

    MvTestHome home;
    std::string path = home.Path() + "/Data.xml";
    CXmlPersistStorage xml("Settings", path.c_str());
    stored.Save("data", xml);
    CXmlPersistReader reader("Settings", path.c_str());
    ASSERT_TRUE(reader.HasData());

    CTelloraData data;
    data.Load("data", reader);
    EXPECT_TRUE(WantsAudioOnly(data));
    EXPECT_EQ(CString("/tmp/out.mp3"), data.GetFilePath().GetFilePath());
    EXPECT_TRUE(data.GetMediaOutput().GetAudioOutput().GetRemux()) << "loading leaves the stored switch";
}

TEST(TelloraData, SpeechSettingsComeBackUnderTheirOwnChildElement)
{
    CTelloraData saved;
    saved.GetMediaOutput().SetSplitterType(kOther);
    saved.GetFilePath().SetFilePath("/home/u/speech.ogg");
    SetSpeech(saved, "Deutsch", -4, 35);

    MvTestHome home;
    std::string path = home.Path() + "/Data.xml";
    {
        CXmlPersistStorage xml("Settings", path.c_str());
        saved.Save("data", xml);
    }
    const std::string text = FileText(path);
    const size_t speech = text.find("<speech>");
    ASSERT_NE(std::string::npos, speech) << text;
    EXPECT_NE(std::string::npos, text.find("<voice>Deutsch</voice>", speech));
    EXPECT_NE(std::string::npos, text.find("<speed>-4</speed>", speech));

    CXmlPersistReader reader("Settings", path.c_str());
    ASSERT_TRUE(reader.HasData());
    CTelloraData fromXml;
    fromXml.Load("data", reader);
    ExpectSpeech(fromXml, "Deutsch", -4, 35);
    EXPECT_EQ(kOther, fromXml.GetMediaOutput().GetSplitterType());
    EXPECT_EQ(CString("/home/u/speech.ogg"), fromXml.GetFilePath().GetFilePath());

    CPersistStorage binary;
    saved.Save("data", binary);
    CTelloraData fromBinary;
    fromBinary.Load("data", binary);
    ExpectSpeech(fromBinary, "Deutsch", -4, 35);
    EXPECT_EQ(kOther, fromBinary.GetMediaOutput().GetSplitterType());
}

TEST(TelloraData, TakingAnEditedWriterKeepsVoiceRateAndVolume)
{
    CTelloraData data;
    SetSpeech(data, "English", 3, 60);

    CMediaWriter2 edited;
    edited.GetMediaOutput().SetSplitterType(kWav);
    edited.GetMediaOutput().GetAudioOutput().GetAudioInfo().SetSampleRate(22050);
    edited.GetFilePath().SetFilePath("/home/u/talk.wav");
    data = edited;

    EXPECT_EQ(kWav, data.GetMediaOutput().GetSplitterType());
    EXPECT_EQ(22050u, data.GetMediaOutput().GetAudioOutput().GetAudioInfo().GetSampleRate());
    EXPECT_EQ(CString("/home/u/talk.wav"), data.GetFilePath().GetFilePath());
    ExpectSpeech(data, "English", 3, 60);
}

TEST(TelloraData, CopiesCarryTheOutputAndTheSpeechSettings)
{
    CTelloraData source;
    source.GetMediaOutput().SetSplitterType(kOther);
    source.GetFilePath().SetFilePath("/x/y.mp3");
    SetSpeech(source, "Voice", -2, 100);

    CTelloraData copied(source);
    CTelloraData assigned;
    assigned = source;
    std::unique_ptr<CPersistObject> clone(source.Clone());
    auto* cloned = dynamic_cast<CTelloraData*>(clone.get());
    ASSERT_NE(nullptr, cloned);
    for (CTelloraData* d : {&copied, &assigned, cloned}) {
        EXPECT_EQ(kOther, d->GetMediaOutput().GetSplitterType());
        EXPECT_EQ(CString("/x/y.mp3"), d->GetFilePath().GetFilePath());
        ExpectSpeech(*d, "Voice", -2, 100);
        EXPECT_TRUE(WantsAudioOnly(*d));
    }
    // A copy is a record of its own.
    copied.GetSpeechControl().SetRate(1);
    EXPECT_EQ(-2, source.GetSpeechControl().GetRate());
}
