#pragma once
// Chooses the wave-to-MP3 document's output from its input: an MPEG-1 stream becomes WAV,
// anything else MP3, named after the input.
class CSondrelData;

class CSondrel2Monitor {
public:
    void Update(CSondrelData* document);
};
