#include "CImageUpload.h"
#include "CMetaClassController.h"
#include "CVideoOutput2.h"
#include "MediaTestSupport.h"

namespace {
void CompleteFtp(CFtpInfo2& ftp)
{
    ftp.SetServer("ftp.example.org");
    ftp.SetPath1("/cam/now.jpg");
}
}

TEST(ImageUpload, StartsOnlyWithACompleteFtpRecord)
{
    CImageUpload upload;
    EXPECT_TRUE(upload.GetStatus().IsEmpty());
    NoticeLog uploadLog(upload);
    NoticeLog ftpLog(upload.GetFtpInfo());
    EXPECT_FALSE(upload.SetUploading(true));
    EXPECT_FALSE(upload.GetUploading());
    EXPECT_TRUE(upload.GetStatus().IsEmpty());
    EXPECT_STREQ("Please enter the server address.", upload.GetFtpInfo().Validate(false));
    EXPECT_EQ((Codes{"2"}), ftpLog.codes);
    EXPECT_TRUE(uploadLog.codes.empty());
}

TEST(ImageUpload, SwitchingSetsTheStatusLine)
{
    CImageUpload upload;
    CompleteFtp(upload.GetFtpInfo());
    NoticeLog log(upload);
    EXPECT_TRUE(upload.SetUploading(true));
    EXPECT_STREQ("Uploading. Click \"Stop\" to stop uploading.", upload.GetStatus());
    EXPECT_FALSE(upload.SetUploading(true));
    EXPECT_TRUE(upload.SetUploading(false));
    EXPECT_STREQ("Ready. Click \"Start\" to start uploading.", upload.GetStatus());
    EXPECT_EQ((Codes{"vop3", "vop4", "vop3", "vop4"}), log.codes);
}

TEST(ImageUpload, RoundTripsAndCopiesLeaveTheStatusBehind)
{
    CImageUpload upload;
    CompleteFtp(upload.GetFtpInfo());
    upload.GetImageOutput().SetQuality(40);
    upload.SetUploading(true);
    for (auto copy : {BinaryCopy(upload), XmlCopy(upload)}) {
        EXPECT_TRUE(copy->GetUploading());
        EXPECT_TRUE(copy->GetStatus().IsEmpty());
        EXPECT_STREQ("ftp.example.org", copy->GetFtpInfo().GetServer());
        EXPECT_EQ(40, copy->GetImageOutput().GetQuality());
    }
    std::string xml = XmlText(upload);
    for (const char* key : {"ftp", "image", "uploading"}) EXPECT_TRUE(HasElement(xml, key)) << key;

    CImageUpload assigned;
    assigned.SetStatus("busy");
    assigned = upload;
    EXPECT_TRUE(assigned.GetUploading());
    EXPECT_STREQ("busy", assigned.GetStatus());
    CImageUpload constructed(upload);
    EXPECT_TRUE(constructed.GetStatus().IsEmpty());
    EXPECT_EQ(40, constructed.GetImageOutput().GetQuality());
}

TEST(ImageUpload, StoredCodeMakesTheVideoOutput)
{
    CImageUpload upload;
    EXPECT_EQ(Code("vop2"), upload.GetObjectType());
    std::unique_ptr<CPersistObject> made(CMetaClassController::CreateOne(Code("vop2")));
    EXPECT_NE(nullptr, dynamic_cast<CVideoOutput2*>(made.get()));
}
