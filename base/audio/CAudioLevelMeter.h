#pragma once
// An audio indicator that turns each measured block into a picture of a level bar: a queue of
// levels with their times, and a bar shaded from red to green of which the lines beyond the
// level are painted black when an entry is taken.
#include <deque>
#include <vector>

#include "CAudioIndicator.h"

class CAudioLevelMeter : public CAudioIndicator {
public:
    CAudioLevelMeter();

    // Rebuilds the bar picture: 256 lines of width 32-bit pixels (format 107).
    void SetBarWidth(unsigned short width);
    // Set: red at the top, the bar blacked from the top; clear: the reverse.
    void SetDirection(bool direction);
    unsigned short GetBarWidth() const { return m_width; }
    bool GetDirection() const { return m_direction; }
    const std::vector<BYTE>& GetPicture() const { return m_picture; }

    // Measures a block and queues its level (loudness / 128) with times relative to the first block.
    void Measure(const BYTE* data, ULONG length, double start, double end);
    size_t GetEntryCount() const { return m_entries.size(); }
    // Takes the oldest entry: the bar picture with the lines beyond its level black.
    bool TakeEntry(std::vector<BYTE>& picture, BYTE& level, double& start, double& end);

private:
    struct Entry {
        BYTE level;
        double start, end;
    };
    void BuildPicture();

    unsigned short m_width = 4;
    bool m_direction = true;
    bool m_haveFirst = false;
    double m_firstStart = 0;
    std::vector<BYTE> m_picture;
    std::deque<Entry> m_entries;
};
