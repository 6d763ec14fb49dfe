// The FTP account, image upload and upload interval pages, used as a user would.
#include "CFtpInfo2.h"
#include "CFtpInfo2Panel.h"
#include "CImageUpload.h"
#include "CImageUploadPanel.h"
#include "CTimedAction.h"
#include "CTimeIntervalPanel.h"
#include "OutputPageSupport.h"

namespace {

class UploadPagesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Make()); }

    PageHost host;
    PageView view;
};

TEST_F(UploadPagesTest, TheAccountPageEditsEachFieldAndSumsUpTheAddress)
{
    using P = CFtpInfo2Panel;
    CFtpInfo2 ftp;
    CFtpInfo2Panel page(1, nullptr);
    OpenPage(page, host, &ftp, view);
    EXPECT_EQ("21", view.WindowText(P::kPort));
    EXPECT_STREQ("ftp://", page.GetController()->GetText());

    view.TypeAndCommit(P::kServer, "files.example.org");
    view.TypeAndCommit(P::kPath1, "cam/now.jpg");
    view.TypeAndCommit(P::kUserName, "anna");
    view.TypeAndCommit(P::kPassword, "s3cret");
    EXPECT_EQ("files.example.org", std::string(ftp.GetServer()));
    EXPECT_EQ("cam/now.jpg", std::string(ftp.GetPath1()));
    EXPECT_EQ("anna", std::string(ftp.GetUserName()));
    EXPECT_EQ("s3cret", std::string(ftp.GetPassword()));
    EXPECT_STREQ("ftp://files.example.org/cam/now.jpg", page.GetController()->GetText());

    // Leading digits make the port; no port at all is the default one, shown back.
    view.TypeAndCommit(P::kPort, "2121x");
    EXPECT_EQ(2121u, ftp.GetPort());
    EXPECT_EQ("2121", view.WindowText(P::kPort));
    view.TypeAndCommit(P::kPort, "none");
    EXPECT_EQ(21u, ftp.GetPort());
    EXPECT_EQ("21", view.WindowText(P::kPort));

    EXPECT_FALSE(view.Checked(P::kPassive));
    view.Click(P::kPassive);
    EXPECT_TRUE(ftp.GetPassive());

    // Changes made elsewhere show on the page.
    ftp.SetServer("other.example.org");
    ftp.SetPassive(false);
    EXPECT_EQ("other.example.org", view.WindowText(P::kServer));
    EXPECT_FALSE(view.Checked(P::kPassive));
}

TEST_F(UploadPagesTest, TheUploadButtonStartsOnlyWithAnAccountAndShowsTheStatus)
{
    using P = CImageUploadPanel;
    CImageUpload upload;
    CImageUploadPanel page(1, nullptr);
    OpenPage(page, host, &upload, view);
    EXPECT_EQ("Start", view.WindowText(P::kUpload));

    view.Click(P::kUpload);   // no server yet: refused
    EXPECT_FALSE(upload.GetUploading());
    EXPECT_EQ("Start", view.WindowText(P::kUpload));

    upload.GetFtpInfo().SetServer("files.example.org");
    upload.GetFtpInfo().SetPath1("cam/now.jpg");
    view.Click(P::kUpload);
    EXPECT_TRUE(upload.GetUploading());
    EXPECT_EQ("Stop", view.WindowText(P::kUpload));
    EXPECT_EQ(CImageUpload::kUploadingStatus, view.WindowText(P::kStatus));

    view.Click(P::kUpload);
    EXPECT_FALSE(upload.GetUploading());
    EXPECT_EQ("Start", view.WindowText(P::kUpload));
    EXPECT_EQ(CImageUpload::kReadyStatus, view.WindowText(P::kStatus));
}

TEST_F(UploadPagesTest, TheStatusLineShowsTheUploadsStatusAsItIs)
{
    using P = CImageUploadPanel;
    CImageUpload upload;
    CImageUploadPanel page(1, nullptr);
    OpenPage(page, host, &upload, view);
    EXPECT_EQ("Start", view.WindowText(P::kUpload));
    EXPECT_EQ("", view.WindowText(P::kStatus));

    upload.SetStatus("Uploaded now.jpg");
    EXPECT_EQ("Uploaded now.jpg", view.WindowText(P::kStatus));
    upload.SetStatus("");
    EXPECT_EQ("", view.WindowText(P::kStatus));

    // A page opened on an upload that already has a status shows that status.
    CImageUpload running;
    running.SetStatus(CImageUpload::kReadyStatus);
    CImageUploadPanel second(1, nullptr);
    PageView secondView;
    OpenPage(second, host, &running, secondView);
    EXPECT_EQ(CImageUpload::kReadyStatus, secondView.WindowText(P::kStatus));
}

TEST_F(UploadPagesTest, TheIntervalIsPickedOrTypedAndARefusedOneShowsTheStoredValue)
{
    using P = CTimeIntervalPanel;
    CTimedAction action;
    CTimeIntervalPanel page(1, nullptr);
    OpenPage(page, host, &action, view);
    const std::vector<std::string> listed = view.Items(P::kInterval);
    ASSERT_EQ(13u, listed.size());
    EXPECT_EQ("3 second", listed.front());
    EXPECT_EQ("120 second", listed.back());
    EXPECT_EQ("5 second", view.Selected(P::kInterval));

    view.Pick(P::kInterval, "30 second");
    EXPECT_EQ(30, action.GetInterval());

    struct Case {
        const char* typed;
        int stored;
        const char* shown;
    } cases[] = {
        {"7", 7, "7 second"},     // not in the list: shown in the edit field
        {"12 s", 12, "12 second"}, // leading digits
        {"abc", 12, "12 second"},  // none: refused, the stored one shows
        {"2", 12, "12 second"},    // too short: refused
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        view.TypeIntoComboAndCommit(P::kInterval, c.typed);
        EXPECT_EQ(c.stored, action.GetInterval());
        EXPECT_EQ(c.shown, view.WindowText(P::kInterval));
    }
    EXPECT_EQ("-", std::string(CTimeIntervalController::GetIntervalText(0)));
}

} // namespace
