// Which probed files a verifier takes, how dropped folders are walked, how the rejected
// files are reported, and decoder ids shown by name.
#include "CAudioDecoderInfo.h"
#include "CAudioTrack.h"
#include "CDecoderItem.h"
#include "CDirectoryPath.h"
#include "CFailedFilesDialog.h"
#include "CMediaFile2.h"
#include "CMediaFileVerifier.h"
#include "CPropertyList.h"
#include "CPropertyValue.h"
#include "CVideoDecoderInfo.h"
#include "CVideoTrack.h"
#include "UDecoderGuids.h"
#include "UFailureTexts.h"
#include "UGuidUtils.h"

#include "win32/TestHome.h"
#include "win32/dialogs/Dialog.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A probed file with the named tracks: 'v' video, 'a' audio.
CMediaFile2* Probed(const char* path, const char* tracks)
{
    auto* file = new CMediaFile2;
    file->GetFilePath().SetFilePath(path);
    for (const char* t = tracks; *t; ++t) {
        if (*t == 'v') file->AddVideoTrack(new CVideoTrack);
        if (*t == 'a') file->AddAudioTrack(new CAudioTrack);
    }
    return file;
}

std::string PathOf(const void* file)
{
    return std::string(static_cast<CMediaFile2*>(const_cast<void*>(file))->GetFilePath().GetFilePath());
}

} // namespace

TEST(MediaVerifierTest, FilesAreAcceptedByTheTracksTheListWants)
{
    const struct {
        const char* name;
        bool addAudio, addVideo, requireAudio;
        const char* accepted; // of silent video, video with sound, sound, nothing
    } cases[] = {
        {"video with sound required", false, true, true, "-V--"},
        {"video, sound not required", false, true, false, "sV--"},
        {"audio", true, false, false, "-Va-"},
        {"video or audio", true, true, true, "-Va-"},
    };
    const struct {
        const char* path;
        const char* tracks;
    } files[] = {{"/m/silent.avi", "v"}, {"/m/film.avi", "va"}, {"/m/talk.wav", "a"}, {"/m/notes.txt", ""}};
    for (const auto& c : cases) {
        CMediaFileVerifier verifier(c.addAudio, c.addVideo, c.requireAudio, true);
        for (const auto& f : files) verifier.GetWorker().GetResults().Add(Probed(f.path, f.tracks));
        verifier.PopulateMediaList();
        EXPECT_EQ(verifier.GetWorker().GetResults().GetItemCount(), 0) << c.name;
        // Accepted files keep the order in which they were probed.
        std::vector<std::string> accepted, expected;
        std::set<std::string> rejected, expectedRejected;
        for (int i = 0; i < verifier.GetMediaList().GetItemCount(); ++i)
            accepted.push_back(PathOf(verifier.GetMediaList().GetAt(i)));
        for (int i = 0; i < verifier.GetFailList().GetItemCount(); ++i)
            rejected.insert(PathOf(verifier.GetFailList().GetAt(i)));
        for (size_t i = 0; i < std::size(files); ++i) {
            if (c.accepted[i] != '-') expected.push_back(files[i].path);
            else expectedRejected.insert(files[i].path);
        }
        EXPECT_EQ(accepted, expected) << c.name;
        EXPECT_EQ(rejected, expectedRejected) << c.name;
        verifier.Reset();
        EXPECT_EQ(verifier.GetMediaList().GetItemCount(), 0);
        EXPECT_EQ(verifier.GetFailList().GetItemCount(), 0);
    }
}

TEST(MediaVerifierTest, ADroppedFolderGivesEveryFileBelowItButNotItself)
{
    MvTestHome home;
    const fs::path root = fs::path(home.Path()) / "drop";
    fs::create_directories(root / "sub" / "deeper");
    fs::create_directories(root / "empty");
    const std::set<std::string> files = {(root / "a.wav").string(), (root / "z.mp3").string(),
                                         (root / "sub" / "b.wav").string(),
                                         (root / "sub" / "deeper" / "c.ogg").string()};
    for (const auto& f : files) std::ofstream(f) << "x";

    CMediaFileVerifier verifier(true, false, false, true);
    CDirectoryPath folder((root.string() + "/").c_str());
    folder.Populate();
    CPointerList list;
    EXPECT_FALSE(verifier.Unwind(&folder, list));
    std::set<std::string> found;
    for (int i = 0; i < list.GetItemCount(); ++i) {
        auto* path = static_cast<CPath*>(list.GetAt(i));
        EXPECT_FALSE(path->IsDir());
        found.insert(std::string(path->GetFilePath()));
        delete path;
    }
    EXPECT_EQ(found, files);
    // What was moved out is no longer the folder's.
    EXPECT_FALSE(verifier.Unwind(&folder, list));
    EXPECT_EQ(list.GetItemCount(), files.size());

    // A file is taken whole, in front of what is there.
    CPath* single = new CPath("/m/one.wav");
    CPointerList one;
    one.Add(new CPath("/m/two.wav"));
    EXPECT_TRUE(verifier.Unwind(single, one));
    EXPECT_EQ(one.GetAt(0), single);
    for (int i = 0; i < one.GetItemCount(); ++i) delete static_cast<CPath*>(one.GetAt(i));
}

TEST(MediaVerifierTest, RejectedFilesAreReportedOneByMessageOrAllInTheDialog)
{
    MvTakeShownMessageBoxes();
    CMediaFileVerifier nothing(true, false, false, false);
    nothing.PromptFailedFiles();
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());

    CMediaFileVerifier single(true, false, false, false);
    single.GetWorker().GetResults().Add(Probed("/m/picture.png", ""));
    single.GetWorker().GetResults().Add(Probed("/m/film.avi", "v"));
    single.PopulateMediaList();
    ASSERT_EQ(single.GetFailList().GetItemCount(), 2);
    single.PromptFailedFiles();
    const auto boxes = MvTakeShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    auto* first = static_cast<CMediaFile2*>(single.GetFailList().GetAt(0));
    EXPECT_EQ(boxes[0].text, std::string(UFailureTexts::GetFailureText(first, true, false, false)));

    CMediaFileVerifier multiple(false, true, true, true);
    multiple.GetWorker().GetResults().Add(Probed("/m/silent.avi", "v"));
    multiple.PopulateMediaList();
    int shown = 0;
    MvScriptModal([&](HWND dialog) {
        ++shown;
        EXPECT_NE(GetDlgItem(dialog, CFailedFilesDialog::kList), nullptr);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    multiple.PromptFailedFiles();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());
}

TEST(MediaVerifierTest, DecoderIdsInPropertiesBecomeTheRegisteredDecodersNames)
{
    const GUID videoId = {0x7E570001, 0x0001, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 1}};
    const GUID audioId = {0x7E570002, 0x0002, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 2}};
    const GUID unknownId = {0x7E570003, 0x0003, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 3}};
    CVideoDecoderInfo::GetInfo()->AddDefaultCodec(videoId, "Test Picture Decoder", false);
    CAudioDecoderInfo::GetInfo()->AddDefaultCodec(audioId, "Test Sound Decoder", true);
    const std::string videoText = UGuidUtils::GuidToString(videoId);
    const std::string audioText = UGuidUtils::GuidToString(audioId);
    const std::string unknownText = UGuidUtils::GuidToString(unknownId);

    CPropertyList list;
    list.AddProperty("Video", "320x240");
    list.AddProperty("  Decoder", videoText.c_str());
    list.AddProperty("Audio", "44100 Hz");
    list.AddProperty("  Decoder", audioText.c_str());
    list.AddProperty("  Decoder", unknownText.c_str());
    list.AddProperty("  Decoder", "not an id");
    list.AddProperty(" Decoder", videoText.c_str());
    list.AddProperty("Codec", audioText.c_str());
    UDecoderGuids::ReplaceGuid(list);

    const char* expected[] = {"320x240", "Test Picture Decoder", "44100 Hz", "Test Sound Decoder",
                              unknownText.c_str(), "not an id", videoText.c_str(), audioText.c_str()};
    ASSERT_EQ(list.GetValueCount(), int(std::size(expected)));
    for (int i = 0; i < list.GetValueCount(); ++i) EXPECT_STREQ(list.GetValue(i)->GetValue(), expected[i]) << i;

    CVideoDecoderInfo::GetInfo()->RemoveCodec(CVideoDecoderInfo::GetInfo()->Find(videoId));
    CAudioDecoderInfo::GetInfo()->RemoveCodec(CAudioDecoderInfo::GetInfo()->Find(audioId));
}
