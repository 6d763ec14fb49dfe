#include "CBrivastAccount.h"
#include "CBrivastCam.h"
#include "CBrivastCategory.h"
#include "CBrivastData.h"
#include "CBrivastSubCategory.h"
#include "CMetaClassController.h"
#include "MediaTestSupport.h"

namespace {
CBrivastBroadcast* Broadcast(const char* name, LONG id)
{
    auto* broadcast = new CBrivastBroadcast;
    broadcast->SetName(name);
    broadcast->SetId(id);
    return broadcast;
}

CBrivastCategory* Category(const char* name, ULONG id)
{
    auto* category = new CBrivastCategory;
    category->SetName(name);
    category->SetId(id);
    return category;
}
}

TEST(BrivastAccount, DefaultsAndNotices)
{
    CBrivastAccount account;
    for (const char* code : {"bvac", "name", "wbac", "wbob"}) EXPECT_TRUE(account.IsInstanceOf(Code(code))) << code;
    EXPECT_EQ(60, account.GetRefreshInterval());
    EXPECT_EQ(50, account.GetEncodeQuality());
    EXPECT_FALSE(account.GetSupport3d());
    NoticeLog log(account);
    account.SetRefreshInterval(30);
    account.SetEncodeQuality(70);
    account.SetSupport3d(true);
    account.SetSupportAnimatedThumbnail(true);
    account.SetSupportLargeSize(true);
    account.SetSupportRecording(true);
    account.SetSupportRemote(true);
    EXPECT_FALSE(account.SetSupportRemote(true));
    EXPECT_EQ((Codes{"bvai", "bvaj", "bvak", "bval", "bvam", "bvan", "bvao"}), log.codes);

    // Only the web account is stored.
    account.SetEmail("me@example.org");
    account.AddBroadcast(Broadcast("Garden", 7));
    for (auto copy : {BinaryCopy(account), XmlCopy(account)}) {
        EXPECT_STREQ("me@example.org", copy->GetEmail());
        EXPECT_EQ(60, copy->GetRefreshInterval());
        EXPECT_EQ(0, copy->GetBroadcastCount());
    }
}

TEST(BrivastAccount, FindBroadcastFallsBackToTheDefault)
{
    CBrivastAccount account;
    EXPECT_EQ(&account.GetDefaultBroadcast(), account.FindBroadcast("Garden"));
    EXPECT_EQ(&account.GetDefaultBroadcast(), account.FindBroadcast(LONG(7)));
    CBrivastBroadcast* garden = Broadcast("Garden", 7);
    account.AddBroadcast(Broadcast("Street", 8));
    account.AddBroadcast(garden);
    EXPECT_EQ(garden, account.FindBroadcast("Garden"));
    EXPECT_EQ(garden, account.FindBroadcast(LONG(7)));
    EXPECT_EQ(&account.GetDefaultBroadcast(), account.FindBroadcast("garden"));
    EXPECT_EQ(nullptr, account.GetBroadcast(2));
}

TEST(BrivastAccount, CategoriesAndWhatCopiesTake)
{
    CBrivastAccount account;
    CBrivastCategory* pets = Category("Pets", 3);
    account.AddCategory(Category("Nature", 2));
    account.AddCategory(pets);
    auto* cats = new CBrivastSubCategory;
    cats->SetName("Cats");
    cats->SetId(31);
    pets->AddSubCategory(cats);
    EXPECT_EQ(pets, account.FindCategory("Pets"));
    EXPECT_EQ(pets, account.FindCategory(ULONG(3)));
    EXPECT_EQ(nullptr, account.FindCategory(ULONG(4)));
    EXPECT_EQ(cats, pets->FindSubCategory("Cats"));
    EXPECT_EQ(cats, pets->FindSubCategory(ULONG(31)));
    EXPECT_EQ(nullptr, pets->FindSubCategory("Dogs"));
    account.AddBroadcast(Broadcast("Garden", 7));
    account.SetRefreshInterval(10);

    std::unique_ptr<CPersistObject> clone(account.Clone());
    auto* cloned = static_cast<CBrivastAccount*>(clone.get());
    EXPECT_EQ(1, cloned->GetBroadcastCount());
    EXPECT_EQ(0, cloned->GetCategoryCount());
    EXPECT_EQ(10, cloned->GetRefreshInterval());
    CBrivastAccount constructed(account);
    EXPECT_EQ(2, constructed.GetCategoryCount());
    EXPECT_EQ(1, constructed.GetBroadcastCount());

    account.ClearCategories();
    account.ClearBroadcasts();
    EXPECT_EQ(0, account.GetCategoryCount());
    EXPECT_EQ(0, account.GetBroadcastCount());
}

TEST(BrivastBroadcast, NameKeepsLettersDigitsAndBlanks)
{
    CBrivastBroadcast broadcast;
    EXPECT_TRUE(broadcast.SetName("My cam #1: live!"));
    EXPECT_STREQ("My cam 1 live", broadcast.GetName());
    NoticeLog log(broadcast);
    broadcast.SetCategory(4);
    broadcast.SetSubCategory(41);
    EXPECT_EQ((Codes{"bvbt", "bvbu"}), log.codes);
    broadcast.SetId(9);
    CBrivastBroadcast copy(broadcast);
    EXPECT_EQ(0u, copy.GetCategory());
    EXPECT_EQ(9, copy.GetId());
    CBrivastBroadcast assigned;
    assigned = broadcast;
    EXPECT_EQ(0u, assigned.GetSubCategory());
    EXPECT_STREQ("My cam 1 live", assigned.GetName());
    auto loaded = XmlCopy(broadcast);
    EXPECT_EQ(9, loaded->GetId());
    EXPECT_EQ(0u, loaded->GetCategory());
}

TEST(BrivastCategory, SharedCodeMakesTheCategory)
{
    CBrivastSubCategory sub;
    EXPECT_EQ(Code("bvca"), sub.GetObjectType());
    EXPECT_TRUE(sub.IsInstanceOf(Code("name")));
    std::unique_ptr<CPersistObject> made(CMetaClassController::CreateOne(Code("bvca")));
    EXPECT_NE(nullptr, dynamic_cast<CBrivastCategory*>(made.get()));
    CBrivastCategory category;
    NoticeLog log(category);
    category.SetId(5);
    EXPECT_EQ((Codes{"bvcb"}), log.codes);
    EXPECT_EQ(5u, BinaryCopy(category)->GetId());
}

TEST(BrivastCam, NewClearsTheIdAndNoIdStopsBroadcasting)
{
    CBrivastCam cam;
    for (const char* code : {"bvcm", "ostd", "awr2"}) EXPECT_TRUE(cam.IsInstanceOf(Code(code))) << code;
    EXPECT_TRUE(cam.GetNew());
    EXPECT_EQ(0u, cam.GetId());
    EXPECT_TRUE(cam.GetVideoRecorder().GetTimeStamp());
    EXPECT_TRUE(cam.GetMediaOutput().GetWantsVideo());
    EXPECT_EQ(1, cam.GetMediaOutput().GetAudioOutput().GetAudioMode());

    EXPECT_TRUE(cam.SetNew(false));
    EXPECT_TRUE(cam.SetId(12));
    EXPECT_TRUE(cam.SetBroadcasting(true));
    NoticeLog log(cam);
    EXPECT_TRUE(cam.SetNew(true));
    EXPECT_EQ(0u, cam.GetId());
    EXPECT_FALSE(cam.GetBroadcasting());
    EXPECT_EQ((Codes{"bvcr", "bvcn", "bvcs"}), log.codes);
    EXPECT_STREQ("Frontdoorcam", cam.ValidateName("Front door=cam"));
}

TEST(BrivastCam, StoredIdMeansNotNew)
{
    CBrivastCam cam;
    cam.SetId(44);
    cam.SetConnected(true);
    cam.GetMediaOutput().GetAudioOutput().SetAudioMode(3);
    cam.GetMediaOutput().GetVideoOutput().SetKeepSize(false);
    for (auto copy : {BinaryCopy(cam), XmlCopy(cam)}) {
        EXPECT_EQ(44u, copy->GetId());
        EXPECT_FALSE(copy->GetNew());
        EXPECT_FALSE(copy->GetConnected());
        EXPECT_EQ(3, copy->GetMediaOutput().GetAudioOutput().GetAudioMode());
        EXPECT_TRUE(copy->GetMediaOutput().GetVideoOutput().GetKeepSize());
    }
    EXPECT_TRUE(HasElement(XmlText(cam), "broadcast"));
    CBrivastCam fresh;
    EXPECT_TRUE(BinaryCopy(fresh)->GetNew());
}

TEST(BrivastCam, AssignmentCopiesTheCameraAndAnnouncesBroadcasting)
{
    CBrivastCam source;
    source.SetNew(false);
    source.SetId(5);
    source.SetConnected(true);
    source.SetBroadcasting(true);
    source.GetFilePath().SetFilePath("/rec/a.avi");
    CBrivastCam target;
    NoticeLog log(target);
    target = source;
    EXPECT_EQ(5u, target.GetId());
    EXPECT_FALSE(target.GetNew());
    EXPECT_TRUE(target.GetConnected());
    EXPECT_TRUE(target.GetBroadcasting());
    EXPECT_EQ((Codes{"bvcs"}), log.codes);

    CBrivastCam partial;
    partial = static_cast<const CMediaWriter2&>(source);
    EXPECT_STREQ("/rec/a.avi", partial.GetFilePath().GetFilePath());
    EXPECT_EQ(0u, partial.GetId());
    COstrelData ostrel;
    ostrel.GetFilePath().SetFilePath("/rec/b.avi");
    partial = ostrel;
    EXPECT_STREQ("/rec/b.avi", partial.GetFilePath().GetFilePath());
    EXPECT_TRUE(partial.GetNew());
}

TEST(BrivastData, FindsCamerasByDeviceAndBroadcastsByName)
{
    CBrivastData data;
    auto* left = new CBrivastCam;
    left->GetVideoRecorder().GetVideoSource().SetName("USB Camera");
    auto* stereo = new CBrivastCam;
    stereo->GetVideoRecorder().GetVideoSource().SetName("Left Eye");
    stereo->GetVideoRecorder().GetVideoSource2().SetName("Right Eye");
    stereo->GetVideoRecorder().SetLeftOn(true);
    stereo->GetVideoRecorder().SetRightOn(true);
    data.AddCam(left);
    data.AddCam(stereo);
    EXPECT_EQ(left, data.FindCamByName("USB Camera", true, nullptr));
    EXPECT_EQ(nullptr, data.FindCamByName("USB Camera", true, left));
    EXPECT_EQ(nullptr, data.FindCamByName("Right Eye", true, nullptr));
    ASSERT_TRUE(stereo->GetVideoRecorder().GetRightOn());
    EXPECT_EQ(stereo, data.FindCamByName("Right Eye", false, nullptr));

    data.AddBroadcast(Broadcast("Garden", 7));
    EXPECT_EQ(7, data.FindBroadcastByName("Garden")->GetId());
    EXPECT_EQ(nullptr, data.FindBroadcastByName("Street"));

    data.GetAccount().SetEmail("me@example.org");
    for (auto copy : {BinaryCopy(data), XmlCopy(data)}) {
        ASSERT_EQ(2, copy->GetCamCount());
        EXPECT_STREQ("Right Eye", copy->GetCam(1)->GetVideoRecorder().GetVideoSource2().GetName());
        ASSERT_EQ(1, copy->GetBroadcastCount());
        EXPECT_STREQ("Garden", copy->GetBroadcast(0)->GetName());
        EXPECT_STREQ("me@example.org", copy->GetAccount().GetEmail());
    }
    data.RemoveCam(left);
    EXPECT_EQ(1, data.GetCamCount());
}
