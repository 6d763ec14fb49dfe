#include "CAudioCdInputFilters2.h"
#include "CDirectShowGraph.h"
#include "CDvdInputFilters2.h"
#include "EncoderSetIds.h"
#include "OfferFilterFactory.h"
#include "StDirectShow.h"
#include "dshow/MediaType.h"
#include "dshow/WideText.h"
#include "dshow/discs/DiscInterfaces.h"
#include "dshow/discs/LocaleNames.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the fake disc sources were asked.
struct SDiscCalls {
    std::vector<std::string> calls;
    std::u16string directory;
    bool refuseDirectory = false;
};
SDiscCalls gCalls;

void Record(const std::string& call)
{
    gCalls.calls.push_back(call);
}

std::string Text(ULONG a, ULONG b, ULONG c = 0, DWORD flags = 0)
{
    return std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c) + "," + std::to_string(flags);
}

CMediaType Pcm()
{
    CMediaType type;
    MakePcmMediaType(type, 44100, 2, 16);
    return type;
}

class CFakeNavigator : public COfferFilter, public IDvdInfo2, public IDvdControl2 {
public:
    static HRESULT Create(REFIID iid, void** object) { return CreateComObject<CFakeNavigator>(iid, object); }
    CFakeNavigator() { AddOffering(PINDIR_OUTPUT, u"Audio", {Pcm()}); }
    HRESULT QueryInterface(REFIID iid, void** object) override { return COfferFilter::QueryInterface(iid, object); }
    ULONG AddRef() override { return COfferFilter::AddRef(); }
    ULONG Release() override { return COfferFilter::Release(); }

    HRESULT GetDVDVolumeInfo(ULONG* volumes, ULONG* volume, DVD_DISC_SIDE* side, ULONG* titles) override
    {
        *volumes = 1;
        *volume = 1;
        *side = DVD_SIDE_A;
        *titles = 3;
        return S_OK;
    }
    HRESULT GetNumberOfChapters(ULONG title, ULONG* chapters) override
    {
        *chapters = title * 10;
        return title <= 3 ? S_OK : E_INVALIDARG;
    }
    HRESULT GetCurrentAngle(ULONG* available, ULONG* current) override
    {
        *available = 2;
        *current = 1;
        return S_OK;
    }
    HRESULT GetCurrentAudio(ULONG* available, ULONG* current) override
    {
        *available = 2;
        *current = 1;
        return S_OK;
    }
    HRESULT GetCurrentSubpicture(ULONG* available, ULONG* current, BOOL* disabled) override
    {
        *available = 4;
        *current = 3;
        *disabled = FALSE;
        return S_OK;
    }
    HRESULT GetAudioLanguage(ULONG stream, LCID* language) override
    {
        *language = LcidFromLanguageCode(stream == 0 ? "en" : "de");
        return stream < 2 ? S_OK : E_INVALIDARG;
    }
    HRESULT GetSubpictureLanguage(ULONG stream, LCID* language) override
    {
        *language = stream == 0 ? LcidFromLanguageCode("fr") : 0x7FF;
        return S_OK;
    }
    HRESULT SetDVDDirectory(LPCWSTR path) override
    {
        gCalls.directory = path;
        return gCalls.refuseDirectory ? E_FAIL : S_OK;
    }
    HRESULT PlayChaptersAutoStop(ULONG title, ULONG chapter, ULONG count, DWORD flags, IDvdCmd**) override
    {
        Record("play " + Text(title, chapter, count, flags));
        return S_OK;
    }
    HRESULT PlayForwards(double speed, DWORD, IDvdCmd**) override
    {
        Record("forwards " + std::to_string(speed));
        return S_OK;
    }
    HRESULT SelectAngle(ULONG angle, DWORD flags, IDvdCmd**) override
    {
        Record("angle " + Text(angle, flags));
        return S_OK;
    }
    HRESULT SelectAudioStream(ULONG stream, DWORD flags, IDvdCmd**) override
    {
        Record("audio " + Text(stream, flags));
        return S_OK;
    }
    HRESULT SelectSubpictureStream(ULONG stream, DWORD flags, IDvdCmd**) override
    {
        Record("subpicture " + Text(stream, flags));
        return S_OK;
    }
    HRESULT SetSubpictureState(BOOL on, DWORD flags, IDvdCmd**) override
    {
        Record("subpicture state " + Text(ULONG(on), flags));
        return S_OK;
    }

protected:
    void* FindInterface(REFIID iid) override
    {
        if (iid == IDvdInfo2::kIid) return static_cast<IDvdInfo2*>(this);
        if (iid == IDvdControl2::kIid) return static_cast<IDvdControl2*>(this);
        return COfferFilter::FindInterface(iid);
    }
};

class CFakeAudioTrack : public CLoadableOfferFilter, public IAudioTrackDrive {
public:
    static HRESULT Create(REFIID iid, void** object) { return CreateComObject<CFakeAudioTrack>(iid, object); }
    CFakeAudioTrack() { AddOffering(PINDIR_OUTPUT, u"Audio", {Pcm()}); }
    HRESULT QueryInterface(REFIID iid, void** object) override { return COfferFilter::QueryInterface(iid, object); }
    ULONG AddRef() override { return COfferFilter::AddRef(); }
    ULONG Release() override { return COfferFilter::Release(); }
    HRESULT Load(LPCOLESTR file, const AM_MEDIA_TYPE* type) override
    {
        Record("load " + NarrowText(file ? file : u""));
        return CLoadableOfferFilter::Load(file, type);
    }
    HRESULT SetAdapterId(BYTE adapter) override { return Set("adapter", adapter); }
    HRESULT GetAdapterId(BYTE*) override { return E_NOTIMPL; }
    HRESULT SetScsiId(BYTE scsi) override { return Set("scsi", scsi); }
    HRESULT GetScsiId(BYTE*) override { return E_NOTIMPL; }
    HRESULT SetTrackNumber(BYTE track) override { return Set("track", track); }
    HRESULT GetTrackNumber(BYTE*) override { return E_NOTIMPL; }

protected:
    void* FindInterface(REFIID iid) override
    {
        if (iid == IAudioTrackDrive::kIid) return static_cast<IAudioTrackDrive*>(this);
        return CLoadableOfferFilter::FindInterface(iid);
    }

private:
    HRESULT Set(const char* what, BYTE value)
    {
        Record(std::string(what) + " " + std::to_string(value));
        return S_OK;
    }
};

class DiscInputFiltersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gCalls = SDiscCalls();
        m_navigator = ComRegisterClass(CLSID_DvdNavigator, &CFakeNavigator::Create);
        m_track = ComRegisterClass(CLSID_AudioTrack, &CFakeAudioTrack::Create);
        ASSERT_TRUE(m_graph.Create());
    }
    void TearDown() override
    {
        ComRegisterClass(CLSID_DvdNavigator, m_navigator);
        ComRegisterClass(CLSID_AudioTrack, m_track);
    }

    MvTestHome m_home;
    StDirectShow m_com;
    ComClassFactory m_navigator = nullptr;
    ComClassFactory m_track = nullptr;
    CDirectShowGraph m_graph;
};

TEST_F(DiscInputFiltersTest, DvdAnswersNothingAndDoesNothingBeforeCreation)
{
    CDvdInputFilters2 dvd(&m_graph);
    EXPECT_EQ(dvd.GetInputId(), CLSID_DvdNavigator);
    EXPECT_EQ(dvd.GetTitleCount(), 0u);
    EXPECT_EQ(dvd.GetChapterCount(0), 0u);
    EXPECT_EQ(dvd.GetAngleCount(), 0u);
    EXPECT_EQ(dvd.GetAudioStreamCount(), 0u);
    EXPECT_TRUE(dvd.GetAudioStream(0).IsEmpty());
    EXPECT_TRUE(dvd.GetSubpicStream(0).IsEmpty());
    EXPECT_FALSE(dvd.GetSupicOn());
    dvd.PlayTitle(0, 3);
    dvd.SelectAngle(1);
    dvd.SlowPlay();
    EXPECT_TRUE(gCalls.calls.empty());
}

TEST_F(DiscInputFiltersTest, DvdQueriesAndCommandsReachTheNavigator)
{
    CDvdInputFilters2 dvd(&m_graph);
    dvd.SetFilePath("/media/disc/VIDEO_TS");
    ASSERT_TRUE(dvd.CreateAndConnect()) << dvd.GetErrorText();
    EXPECT_EQ(gCalls.directory, u"/media/disc/VIDEO_TS");
    EXPECT_EQ(dvd.GetAudioPinCount(kOutputProcessing), 1);
    EXPECT_EQ(dvd.GetTitleCount(), 3u);
    // Title 2 of the set is title 3 of the disc.
    EXPECT_EQ(dvd.GetChapterCount(2), 30u);
    EXPECT_EQ(dvd.GetChapterCount(9), 0u);
    EXPECT_EQ(dvd.GetAngleCount(), 2u);
    EXPECT_EQ(dvd.GetAngle(), 1u);
    EXPECT_EQ(dvd.GetAudioStreamCount(), 2u);
    EXPECT_EQ(dvd.GetAudioStream(), 1u);
    EXPECT_EQ(dvd.GetAudioStream(0), CString("English"));
    EXPECT_EQ(dvd.GetAudioStream(1), CString("German"));
    EXPECT_TRUE(dvd.GetAudioStream(5).IsEmpty());
    EXPECT_EQ(dvd.GetSubpicStreamCount(), 4u);
    EXPECT_EQ(dvd.GetSubpicStream(), 3u);
    EXPECT_EQ(dvd.GetSubpicStream(0), CString("French"));
    EXPECT_TRUE(dvd.GetSubpicStream(1).IsEmpty());
    EXPECT_TRUE(dvd.GetSupicOn());

    // Titles and chapters count from 0 here, from 1 on the disc.
    dvd.PlayTitle(0, 3);
    dvd.PlayChapter(2, 4);
    dvd.SelectAngle(2);
    dvd.SelectAudioStream(1);
    dvd.SelectSubpicStream(0);
    dvd.SetSubpicOn(false);
    dvd.SlowPlay();
    EXPECT_EQ(gCalls.calls, (std::vector<std::string>{"play 1,1,3,1", "play 3,5,1,1", "angle 2,0,0,0", "audio 1,0,0,0",
                                                      "subpicture 0,0,0,0", "subpicture state 0,0,0,0",
                                                      "forwards 0.010000"}));
}

TEST_F(DiscInputFiltersTest, DvdFolderTheNavigatorRefusesFailsTheSet)
{
    gCalls.refuseDirectory = true;
    CDvdInputFilters2 dvd(&m_graph);
    dvd.SetFilePath("/nowhere");
    EXPECT_FALSE(dvd.CreateAndConnect());
    EXPECT_FALSE(dvd.GetErrorText().IsEmpty());
    EXPECT_EQ(dvd.GetFileSource(), nullptr);
    EXPECT_EQ(dvd.GetTitleCount(), 0u);
}

TEST_F(DiscInputFiltersTest, CdReadsThePathWithoutAdapterAndTheDriveWithOne)
{
    CAudioCdInputFilters2 path(&m_graph);
    path.SetFilePath("/music/track01.wav");
    path.SetTrackNumber(5);
    ASSERT_TRUE(path.CreateAndConnect()) << path.GetErrorText();
    EXPECT_EQ(gCalls.calls, (std::vector<std::string>{"load /music/track01.wav"}));
    EXPECT_EQ(path.GetAudioPinCount(kOutputProcessing), 1);

    gCalls.calls.clear();
    CAudioCdInputFilters2 drive(&m_graph);
    drive.SetFilePath("/music/track01.wav");
    drive.SetAdapterId(1);
    drive.SetScsiId(2);
    drive.SetTrackNumber(3);
    ASSERT_TRUE(drive.CreateAndConnect());
    EXPECT_EQ(gCalls.calls, (std::vector<std::string>{"adapter 1", "scsi 2", "track 3"}));
}

TEST_F(DiscInputFiltersTest, CdTrackTheSourceRefusesGivesTheReaderError)
{
    CAudioCdInputFilters2 cd(&m_graph);
    cd.SetFilePath("/music/refuse.wav");
    EXPECT_FALSE(cd.CreateAndConnect());
    EXPECT_EQ(cd.GetErrorText(), CString("Unable to create audio CD reader."));
    EXPECT_EQ(cd.GetFileSource(), nullptr);
}

} // namespace
