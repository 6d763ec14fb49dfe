#include "CBroadcaster.h"
#include "CListener.h"
#include "CMetaClassController.h"
#include "CMorvaneXmlAppVersion.h"
#include "CWebXml.h"
#include "CXmlDocument.h"
#include "StApplicationId.h"
#include "UDirectoryUtils.h"
#include "UMorvaneWeb.h"
#include "UMorvaneWebUtils.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

class NoticeLog : public CListener {
public:
    std::vector<long> codes;
    bool Respond(long code, CBroadcaster*, long, long) override
    {
        codes.push_back(code);
        return true;
    }
};

} // namespace

TEST(VersionRecord, IsRegisteredAndStartsEmpty)
{
    std::unique_ptr<CPersistObject> made(CMetaClassController::CreateOne(FourCharCode("mvpa")));
    ASSERT_TRUE(made);
    EXPECT_TRUE(made->IsInstanceOf(FourCharCode("mvpa")));
    auto* record = dynamic_cast<CMorvaneXmlAppVersion*>(made.get());
    ASSERT_TRUE(record);
    EXPECT_TRUE(record->GetVersion().IsEmpty());
    EXPECT_TRUE(record->GetDownloadUrl().IsEmpty());
    EXPECT_EQ(0, record->GetUpgradeId());
    EXPECT_TRUE(CMorvaneXmlAppVersion::Initialize());
}

TEST(VersionRecord, SettersAnnounceOnlyChanges)
{
    CMorvaneXmlAppVersion record;
    NoticeLog log;
    record.AddListener(&log);
    EXPECT_TRUE(record.SetVersion("5.1"));
    EXPECT_FALSE(record.SetVersion("5.1"));
    EXPECT_TRUE(record.SetDownloadUrl("http://x/setup.exe"));
    EXPECT_TRUE(record.SetUpgradeId(7));
    EXPECT_FALSE(record.SetUpgradeId(7));
    EXPECT_EQ((std::vector<long>{FourCharCode("mvpg"), FourCharCode("mvph"), FourCharCode("mvpi")}), log.codes);

    std::unique_ptr<CPersistObject> clone(record.Clone());
    auto* copy = dynamic_cast<CMorvaneXmlAppVersion*>(clone.get());
    ASSERT_TRUE(copy);
    EXPECT_EQ(CString("5.1"), copy->GetVersion());
    EXPECT_EQ(CString("http://x/setup.exe"), copy->GetDownloadUrl());
    EXPECT_EQ(7, copy->GetUpgradeId());
    record.RemoveListener(&log);
}

TEST(VersionRecord, LoadsFromTheServiceAnswerWithBoundedTexts)
{
    const std::string longUrl = "http://x/" + std::string(5000, 'a');
    const std::string answer = std::string(CXmlDocument::kHeader) + "\n<reply><result>1</result><data><version>5.2.1</version><download_url>" + longUrl +
                               "</download_url><upgrade_id>-3</upgrade_id></data></reply>";
    CMorvaneXmlAppVersion record;
    CWebXml web;
    web.SetObject(&record);
    ASSERT_TRUE(web.ReadAnswer(answer.c_str()));
    EXPECT_EQ(CString("5.2.1"), record.GetVersion());
    EXPECT_EQ(CString(longUrl.substr(0, CMorvaneXmlAppVersion::kMaxText).c_str()), record.GetDownloadUrl());
    EXPECT_EQ(-3, record.GetUpgradeId());
}

TEST(MorvaneWeb, AddressesOfTheService)
{
    MvTestHome home;
    EXPECT_TRUE(UMorvaneWeb::GetFileName().IsEmpty());
    EXPECT_EQ(CString("version/"), UMorvaneWeb::GetApiAppVersionPath());
    const CString api = UMorvaneWeb::GetApiUrl();
    ASSERT_FALSE(api.IsEmpty());
    EXPECT_EQ('/', api[api.GetLength() - 1]);

    const std::string links = std::string(UDirectoryUtils::GetCommonAppDataDirectory()) + "links.ini";
    UDirectoryUtils::EstablishPath(links.c_str());
    std::ofstream(links) << "[Api]\nLink=http://127.0.0.1:8/svc/\n";
    EXPECT_EQ(CString("http://127.0.0.1:8/svc/"), UMorvaneWeb::GetApiUrl());
}

TEST(VersionCheck, FailedRequestShowsNothing)
{
    MvTestHome home;
    StApplicationId app(98102);
    const std::string links = std::string(UDirectoryUtils::GetCommonAppDataDirectory()) + "links.ini";
    UDirectoryUtils::EstablishPath(links.c_str());
    std::ofstream(links) << "[Api]\nLink=http://127.0.0.1:1/\n";
    MvTakeShownMessageBoxes();
    EXPECT_TRUE(UMorvaneWebUtils::CheckVersion().IsEmpty());
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());
}
