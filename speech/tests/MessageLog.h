#pragma once
// A listener that records every broadcast it hears, with the values behind pointers.
#include "CBroadcaster.h"
#include "CListener.h"
#include "SpeechMessages.h"
#include "win32/WinTypes.h"

#include <vector>

struct SHeard {
    long message;
    long a; // *p1 for word and viseme messages
    long b; // *p2 for word messages
    bool operator==(const SHeard&) const = default;
};

class CMessageLog : public CListener {
public:
    bool ListenToMessage(long message, const void* p1, const void* p2) override
    {
        if (message < kSpeechStartedMessage || message > kSpeechVisemeMessage) return CListener::ListenToMessage(message, p1, p2);
        SHeard h{message, 0, 0};
        if (message == kSpeechWordMessage || message == kSpeechVisemeMessage) {
            h.a = p1 ? *static_cast<const LONG*>(p1) : -1;
            h.b = p2 ? *static_cast<const LONG*>(p2) : -1;
        }
        heard.push_back(h);
        return true;
    }
    std::vector<SHeard> heard;
};
