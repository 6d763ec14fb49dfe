#pragma once
// The kind of a graph's back half that an input's pins serve; stored as a 32-bit value.

enum EOutputType : int {
    kOutputNil = 0,        // pins that are only to be terminated
    kOutputRender = 1,     // preview and playback
    kOutputProcessing = 2, // conversion and recording
    kOutputStream = 3,     // the NIL set that walks the source's stream pins
};
