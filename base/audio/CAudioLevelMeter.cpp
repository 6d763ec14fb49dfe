#include "CAudioLevelMeter.h"

#include <algorithm>
#include <cstring>

CAudioLevelMeter::CAudioLevelMeter()
{
    BuildPicture();
}

void CAudioLevelMeter::SetBarWidth(unsigned short width)
{
    m_width = width;
    BuildPicture();
}

void CAudioLevelMeter::SetDirection(bool direction)
{
    m_direction = direction;
    BuildPicture();
}

void CAudioLevelMeter::BuildPicture()
{
    m_picture.assign(size_t(256) * m_width * 4, 0);
    for (int line = 0; line < 256; ++line) {
        const BYTE red = BYTE(m_direction ? 255 - line : line);
        const BYTE green = BYTE(255 - red);
        for (int x = 0; x < m_width; ++x) {
            BYTE* p = &m_picture[(size_t(line) * m_width + size_t(x)) * 4];
            p[0] = 0;  // B, G, R, A
            p[1] = green;
            p[2] = red;
            p[3] = 255;
        }
    }
}

void CAudioLevelMeter::Measure(const BYTE* data, ULONG length, double start, double end)
{
    if (!m_haveFirst) {
        m_firstStart = start;
        m_haveFirst = true;
    }
    const BYTE level = BYTE(std::min(Process(data, length) / 128, 255));
    m_entries.push_back({level, start - m_firstStart, end - m_firstStart});
}

bool CAudioLevelMeter::TakeEntry(std::vector<BYTE>& picture, BYTE& level, double& start, double& end)
{
    if (m_entries.empty())
        return false;
    const Entry e = m_entries.front();
    m_entries.pop_front();
    level = e.level;
    start = e.start;
    end = e.end;
    picture = m_picture;
    const size_t line = size_t(m_width) * 4;
    const size_t dark = size_t(255 - e.level);  // lines beyond the level
    if (dark) {
        BYTE* first = m_direction ? picture.data() : picture.data() + (256 - dark) * line;
        std::memset(first, 0, dark * line);
    }
    return true;
}
