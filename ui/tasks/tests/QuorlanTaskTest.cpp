// The device converter's task: where its batch writes, what stops it, and the loop it runs.
#include "CConversionLoop.h"
#include "CPortableMediaConversion.h"
#include "CQuorlanData.h"
#include "CQuorlanTask.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

CPortableMediaConversion* AddDevice(CQuorlanData& document, const char* name, const char* folder)
{
    auto* device = new CPortableMediaConversion;
    device->SetName(name);
    device->GetSaveDir().SetFilePath(folder);
    document.AddDevice(device);
    return device;
}

TEST(QuorlanTask, TheBatchWritesIntoTheSelectedDevicesFolder)
{
    CQuorlanData document;
    document.GetFilePath().SetFilePath("/home/user/Videos/");
    AddDevice(document, "Phone", "/home/user/Phone/");
    AddDevice(document, "Player", "/home/user/Player/");

    CQuorlanTask task;
    document.SetDevice("Player");
    task.SetData(&document);
    EXPECT_EQ(std::string(document.GetFilePath().GetFilePath()), "/home/user/Player/");
    EXPECT_EQ(task.GetData(), &document);

    // A device the user keeps no settings for leaves the folder as it is.
    document.SetDevice("Tablet");
    task.SetData(&document);
    EXPECT_EQ(std::string(document.GetFilePath().GetFilePath()), "/home/user/Player/");
    task.SetData(nullptr);
    EXPECT_EQ(task.GetData(), nullptr);
}

TEST(QuorlanTask, TheDocumentsMessageStopsTheStartAndTheLoopWalksItsBatch)
{
    CQuorlanData document;
    CQuorlanTask task;
    EXPECT_EQ(std::string(task.GetError()), "");
    task.SetData(&document);
    const char* expected = document.Validate();
    EXPECT_EQ(std::string(task.GetError()), expected ? expected : "");
    EXPECT_EQ(task.GetSplitter(), 0);

    std::unique_ptr<CDxLoop2> loop(task.CreateLoopSelf());
    auto* conversion = dynamic_cast<CConversionLoop*>(loop.get());
    ASSERT_NE(conversion, nullptr);
    EXPECT_EQ(conversion->GetList(), &document.GetConversionList().GetFiles());
}

} // namespace
