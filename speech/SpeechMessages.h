#pragma once
// Broadcast codes of the speech talker and the speech administrators.

enum {
    kSpeechStartedMessage = 934003, // (null, null)
    kSpeechEndedMessage = 934004,   // (null, null); administrators do not pass it on
    kSpeechBookmarkMessage = 934006, // never raised; passed on unchanged
    kSpeechWordMessage = 934005,    // (const LONG* position, const LONG* length)
    kSpeechVisemeMessage = 934007,  // (const LONG* viseme, null)
};
