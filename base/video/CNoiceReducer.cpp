#include "CNoiceReducer.h"

void CNoiceReducer::Process()
{
    ProcessY();
    ProcessU();
    ProcessV();
}

void CNoiceReducer::ProcessY()
{
    if (!m_inputData)
        return;
    const ptrdiff_t line = GetInputYLineSize(), step = GetInputYBytePerPixel();
    const int width = GetInputYWidth(), height = GetInputYHeight();
    BYTE* start = GetInputYDataStart();
    for (int y = 1; y + 1 < height; ++y) {
        BYTE* p = start + y * line + step;
        for (int x = 1; x + 1 < width; ++x, p += step)
            ProcessData(*p, p[-step], p[step], p[-line], p[line]);
    }
}

void CNoiceReducer::ProcessData(BYTE& value, BYTE left, BYTE right, BYTE up, BYTE down)
{
    const int v = value;
    const bool spike = v - left > 16 && v - right > 16 && v - up > 16 && v - down > 16;
    const bool hole = left - v > 16 && right - v > 16 && up - v > 16 && down - v > 16;
    if (spike || hole)
        value = BYTE((left + right + up + down) / 4);
}
