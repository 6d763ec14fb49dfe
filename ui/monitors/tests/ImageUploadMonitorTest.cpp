#include "CImageUpload.h"
#include "CImageUploadMonitor.h"
#include "CPreviewRecordingTask.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

class UploadTask : public CPreviewRecordingTask {
public:
    ESplitterType GetSplitter() override { return 1800; }
};

// The monitor itself, noting who it hears from.
class HeardMonitor : public CImageUploadMonitor {
public:
    bool Respond(long code, CBroadcaster* sender, long a, long b) override
    {
        heard.insert(sender);
        return CImageUploadMonitor::Respond(code, sender, a, b);
    }
    std::set<const CBroadcaster*> heard;
};

constexpr long kAnyNotice = 1234;

// Every object of an upload and a task speaks once; what the monitor heard of it.
std::set<const CBroadcaster*> Speak(HeardMonitor& monitor, std::initializer_list<CBroadcaster*> speakers)
{
    monitor.heard.clear();
    for (CBroadcaster* speaker : speakers) speaker->Notify(kAnyNotice, 0, 0);
    return monitor.heard;
}

TEST(CImageUploadMonitor, ListensToTheTaskTheUploadAndTheUploadsAccountAndImage)
{
    UploadTask task;
    CImageUpload upload;
    HeardMonitor monitor;
    monitor.SetTask(&task);
    monitor.SetImageUpload(&upload);
    EXPECT_EQ(&task, monitor.GetTask());
    EXPECT_EQ(&upload.GetFtpInfo(), monitor.GetFtpInfo());
    EXPECT_EQ(&upload.GetImageOutput(), monitor.GetImageOutput());
    const std::set<const CBroadcaster*> all{&task, &upload, &upload.GetFtpInfo(), &upload.GetImageOutput()};
    EXPECT_EQ(all, Speak(monitor, {&task, &upload, &upload.GetFtpInfo(), &upload.GetImageOutput()}));
    // Holding only: nothing it hears changes the records.
    EXPECT_FALSE(upload.GetUploading());
    EXPECT_TRUE(upload.GetStatus().IsEmpty());

    // The same upload again changes nothing: each object is still heard once.
    monitor.SetImageUpload(&upload);
    EXPECT_EQ(all, Speak(monitor, {&task, &upload, &upload.GetFtpInfo(), &upload.GetImageOutput()}));
}

TEST(CImageUploadMonitor, AnotherUploadOrTaskTakesTheListeningAlong)
{
    UploadTask first, second;
    CImageUpload old, fresh;
    HeardMonitor monitor;
    monitor.SetTask(&first);
    monitor.SetImageUpload(&old);
    monitor.SetTask(&second);
    monitor.SetImageUpload(&fresh);
    EXPECT_TRUE(Speak(monitor, {&first, &old, &old.GetFtpInfo(), &old.GetImageOutput()}).empty());
    EXPECT_EQ(4u, Speak(monitor, {&second, &fresh, &fresh.GetFtpInfo(), &fresh.GetImageOutput()}).size());

    monitor.SetTask(nullptr);
    monitor.SetImageUpload(nullptr);
    EXPECT_EQ(nullptr, monitor.GetFtpInfo());
    EXPECT_EQ(nullptr, monitor.GetImageOutput());
    EXPECT_TRUE(Speak(monitor, {&second, &fresh, &fresh.GetFtpInfo(), &fresh.GetImageOutput()}).empty());
}

TEST(CImageUploadMonitor, RecordsThatDieFirstAreForgottenAndTheMonitorsEndLeavesTheOthers)
{
    auto task = std::make_unique<UploadTask>();
    auto upload = std::make_unique<CImageUpload>();
    CImageUpload kept;
    auto monitor = std::make_unique<HeardMonitor>();
    monitor->SetTask(task.get());
    monitor->SetImageUpload(upload.get());
    task.reset();
    upload.reset();
    EXPECT_EQ(nullptr, monitor->GetTask());
    EXPECT_EQ(nullptr, monitor->GetImageUpload());
    EXPECT_EQ(nullptr, monitor->GetFtpInfo());
    EXPECT_EQ(nullptr, monitor->GetImageOutput());

    // A copy listens to the same upload; once both are gone the upload speaks to no one.
    monitor->SetImageUpload(&kept);
    auto copy = std::make_unique<HeardMonitor>();
    *copy = *monitor;
    EXPECT_EQ(&kept.GetFtpInfo(), copy->GetFtpInfo());
    EXPECT_EQ(3u, Speak(*copy, {&kept, &kept.GetFtpInfo(), &kept.GetImageOutput()}).size());
    monitor.reset();
    EXPECT_EQ(3u, Speak(*copy, {&kept, &kept.GetFtpInfo(), &kept.GetImageOutput()}).size());
    copy.reset();
    // Nobody is left to hear these (the address checker reports a dangling listener).
    kept.Notify(kAnyNotice, 0, 0);
    kept.GetFtpInfo().Notify(kAnyNotice, 0, 0);
    kept.GetImageOutput().Notify(kAnyNotice, 0, 0);
}

} // namespace
