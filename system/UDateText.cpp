#include "UDateText.h"
#include "UStringBuffer.h"

#include "win32/kernel/KernelTime.h"

#include <cstdio>

char* UDateText::GetDateText()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[128];
    std::snprintf(text, sizeof(text), "%d_%02d_%02d %02d_%02d_%02d", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
                  now.wSecond);
    return UStringBuffer::Text(text);
}
