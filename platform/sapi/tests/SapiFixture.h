#pragma once
// COM initialised, the fake engine in place, and notifications pumped by the test.
#include "FakeEngine.h"
#include "com/ComRuntime.h"
#include "sapi/NotifyPoster.h"
#include "sapi/SpVoice.h"
#include "win32/audio/WaveOut.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <mutex>

class SapiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        CSpeechEngine::SetCurrent(&engine);
        SpSetThreadPoster(&Post);
        MvWaveOutUseNullDevice(true); // paced like speakers, silent on any machine
    }
    void TearDown() override
    {
        MvWaveOutUseNullDevice(false);
        SpSetThreadPoster(nullptr); // back to window messages
        CSpeechEngine::SetCurrent(nullptr);
        CoUninitialize();
        std::lock_guard<std::mutex> guard(sLock);
        sPosted.clear();
    }

    // Runs what was posted to the calling thread; returns how many ran.
    static int Pump()
    {
        int ran = 0;
        for (;;) {
            std::function<void()> call;
            {
                std::lock_guard<std::mutex> guard(sLock);
                SpThreadKey self = SpCurrentThreadKey();
                for (auto it = sPosted.begin(); it != sPosted.end(); ++it)
                    if (it->first == self) {
                        call = std::move(it->second);
                        sPosted.erase(it);
                        break;
                    }
            }
            if (!call) return ran;
            call();
            ++ran;
        }
    }

    static ISpVoice* NewVoice()
    {
        ISpVoice* voice = nullptr;
        EXPECT_EQ(S_OK, CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice, reinterpret_cast<void**>(&voice)));
        return voice;
    }

    CFakeEngine engine;

private:
    static bool Post(SpThreadKey thread, std::function<void()> call)
    {
        std::lock_guard<std::mutex> guard(sLock);
        sPosted.emplace_back(thread, std::move(call));
        return true;
    }
    static inline std::mutex sLock;
    static inline std::deque<std::pair<SpThreadKey, std::function<void()>>> sPosted;
};
