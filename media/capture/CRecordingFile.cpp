#include "CRecordingFile.h"

#include "UFileUtils.h"

#include <cstring>

MV_IMPLEMENT_PERSIST_CLASS(CRecordingFile, CNamedObject, FourCharCode("rfil"))

CRecordingFile& CRecordingFile::operator=(const CRecordingFile& other)
{
    if (this == &other) return *this;
    CNamedObject::operator=(other);
    m_valid = other.m_valid;
    m_dateTime = other.m_dateTime;
    m_file = other.m_file;
    return *this;
}

void CRecordingFile::Parse(const char* path)
{
    CString name(UFileUtils::GetFileNameWithoutExtension(path ? path : ""));
    const int stampLength = static_cast<int>(std::strlen(kStampPattern));
    if (name.GetLength() <= stampLength + 1) return;

    m_valid = true;
    const int baseLength = name.GetLength() - stampLength - 1;
    SetName(name.Left(baseLength));
    CString stamp = name.Right(stampLength);
    const char* text = stamp;
    const int year = ParseNumber(text, 0, 4, 2006, 9999);
    const int month = ParseNumber(text, 5, 2, 1, 12);
    const int day = ParseNumber(text, 8, 2, 1, 31);
    const int hour = ParseNumber(text, 11, 2, 0, 24);
    const int minute = ParseNumber(text, 14, 2, 0, 60);
    const int second = ParseNumber(text, 17, 2, 0, 60);
    if (!m_valid) return;

    m_dateTime.SetYear(static_cast<unsigned short>(year));
    m_dateTime.SetMonth(static_cast<unsigned char>(month));
    m_dateTime.SetDay(static_cast<unsigned char>(day));
    m_dateTime.SetHour(static_cast<unsigned short>(hour));
    m_dateTime.SetMinute(static_cast<unsigned char>(minute));
    m_dateTime.SetSecond(static_cast<unsigned char>(second));
    m_file.SetFilePath(path);
}

int CRecordingFile::ParseNumber(const char* text, int start, int count, int minimum, int maximum)
{
    const int length = text ? static_cast<int>(std::strlen(text)) : 0;
    int value = 0;
    bool ok = start >= 0 && count > 0 && count <= 9 && start <= length - count;
    for (int i = 0; ok && i < count; ++i) {
        const char c = text[start + i];
        ok = c >= '0' && c <= '9';
        value = value * 10 + (c - '0');
    }
    if (!ok || value < minimum || value > maximum) {
        m_valid = false;
        return 0;
    }
    return value;
}
