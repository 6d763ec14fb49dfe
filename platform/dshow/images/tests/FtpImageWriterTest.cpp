#include "com/ComRuntime.h"
#include "dshow/BasePin.h"
#include "dshow/images/FtpImageWriter.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace {

// An uploader whose first upload waits until it is let go, as a slow server would.
struct SSlowServer {
    std::mutex lock;
    std::condition_variable changed;
    std::vector<std::string> uploaded;
    bool sending = false;
    bool letGo = false;
};
SSlowServer* gServer = nullptr;

bool SlowWrite(CFtpUploader*, const unsigned char* data, int length)
{
    std::unique_lock lock(gServer->lock);
    gServer->sending = true;
    gServer->changed.notify_all();
    gServer->changed.wait(lock, [] { return gServer->letGo; });
    gServer->uploaded.emplace_back(reinterpret_cast<const char*>(data), size_t(length));
    return true;
}

MediaSample Image(const std::string& bytes)
{
    MediaSample sample;
    sample.data = reinterpret_cast<const BYTE*>(bytes.data());
    sample.size = LONG(bytes.size());
    return sample;
}

} // namespace

TEST(FtpImageWriter, ASlowUploadHoldsNothingUpAndTheEndWaitsForTheLatestImage)
{
    SSlowServer server;
    gServer = &server;
    IBaseFilter* filter = nullptr;
    ASSERT_TRUE(SUCCEEDED(CFtpImageWriter::Create(IBaseFilter::kIid, reinterpret_cast<void**>(&filter))));
    auto* writer = static_cast<CFtpImageWriter*>(filter);
    // Without an uploader it does not start.
    EXPECT_TRUE(FAILED(filter->Pause()));
    auto* uploader = reinterpret_cast<CFtpUploader*>(&server);
    EXPECT_EQ(writer->SetUploader(uploader, nullptr), E_POINTER);
    ASSERT_TRUE(SUCCEEDED(writer->SetUploader(uploader, &SlowWrite)));
    ASSERT_TRUE(SUCCEEDED(filter->Pause()));

    CBasePin* pin = writer->PinAt(0);
    const std::string first = "first", second = "second", third = "third";
    EXPECT_EQ(writer->Receive(pin, Image(first)), S_OK);
    {
        std::unique_lock lock(server.lock);
        server.changed.wait(lock, [&] { return server.sending; });
    }
    // The stream goes on while the first is being sent; the third replaces the second.
    EXPECT_EQ(writer->Receive(pin, Image(second)), S_OK);
    EXPECT_EQ(writer->Receive(pin, Image(third)), S_OK);
    {
        std::lock_guard lock(server.lock);
        server.letGo = true;
    }
    server.changed.notify_all();
    writer->EndOfStream(pin);
    {
        std::lock_guard lock(server.lock);
        EXPECT_EQ(server.uploaded, (std::vector<std::string>{first, third}));
    }
    EXPECT_TRUE(SUCCEEDED(filter->Stop()));
    EXPECT_EQ(writer->Receive(pin, Image(first)), VFW_E_WRONG_STATE);
    filter->Release();
    gServer = nullptr;
}
