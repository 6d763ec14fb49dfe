#include "afx/CString.h"

#include "win32/dialogs/Resources.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <strings.h>

namespace {

bool IsBlank(char ch)
{
    return std::isspace(static_cast<unsigned char>(ch)) != 0;
}

const char* NonNull(const char* text)
{
    return text ? text : "";
}

}

CString::CString(const char* text) : m_text(NonNull(text)) {}

CString::CString(const char* text, int length)
{
    if (text && length > 0)
        m_text.assign(text, strnlen(text, static_cast<size_t>(length)));
}

CString::CString(char ch, int repeat)
{
    if (repeat > 0 && ch != '\0')
        m_text.assign(static_cast<size_t>(repeat), ch);
}

CString& CString::operator=(const char* text)
{
    // Assigning a pointer into our own text must not read freed bytes.
    std::string copy(NonNull(text));
    m_text.swap(copy);
    return *this;
}

CString& CString::operator=(char ch)
{
    m_text.assign(1, ch);
    return *this;
}

char CString::GetAt(int index) const
{
    if (index < 0 || index >= GetLength()) return '\0';
    return m_text[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char ch)
{
    if (index >= 0 && index < GetLength()) m_text[static_cast<size_t>(index)] = ch;
}

CString& CString::operator+=(const char* text)
{
    m_text += std::string(NonNull(text));
    return *this;
}

int CString::Compare(const char* text) const
{
    int r = std::strcmp(m_text.c_str(), NonNull(text));
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const char* text) const
{
    int r = strcasecmp(m_text.c_str(), NonNull(text));
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Left(int count) const
{
    return Mid(0, count);
}

CString CString::Right(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return Mid(GetLength() - count, count);
}

CString CString::SpanIncluding(const char* set) const
{
    return Left(static_cast<int>(std::strspn(m_text.c_str(), NonNull(set))));
}

CString CString::SpanExcluding(const char* set) const
{
    return Left(static_cast<int>(std::strcspn(m_text.c_str(), NonNull(set))));
}

CString& CString::MakeUpper()
{
    for (char& c : m_text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::MakeLower()
{
    for (char& c : m_text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_text.begin(), m_text.end());
    return *this;
}

int CString::Replace(char from, char to)
{
    int count = 0;
    for (char& c : m_text)
        if (c == from) { c = to; ++count; }
    return count;
}

int CString::Replace(const char* from, const char* to)
{
    std::string needle(NonNull(from));
    if (needle.empty()) return 0;
    std::string replacement(NonNull(to));
    std::string result;
    int count = 0;
    size_t pos = 0;
    for (;;) {
        size_t hit = m_text.find(needle, pos);
        if (hit == std::string::npos) break;
        result.append(m_text, pos, hit - pos);
        result += replacement;
        pos = hit + needle.size();
        ++count;
    }
    if (count == 0) return 0;
    result.append(m_text, pos, std::string::npos);
    m_text.swap(result);
    return count;
}

int CString::Remove(char ch)
{
    size_t before = m_text.size();
    m_text.erase(std::remove(m_text.begin(), m_text.end(), ch), m_text.end());
    return static_cast<int>(before - m_text.size());
}

int CString::Insert(int index, char ch)
{
    index = std::clamp(index, 0, GetLength());
    m_text.insert(m_text.begin() + index, ch);
    return GetLength();
}

int CString::Insert(int index, const char* text)
{
    index = std::clamp(index, 0, GetLength());
    m_text.insert(static_cast<size_t>(index), std::string(NonNull(text)));
    return GetLength();
}

int CString::Delete(int index, int count)
{
    if (index < 0) index = 0;
    if (count > 0 && index < GetLength())
        m_text.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

CString& CString::TrimLeft()
{
    size_t n = 0;
    while (n < m_text.size() && IsBlank(m_text[n])) ++n;
    m_text.erase(0, n);
    return *this;
}

CString& CString::TrimLeft(char ch)
{
    size_t n = 0;
    while (n < m_text.size() && m_text[n] == ch) ++n;
    m_text.erase(0, n);
    return *this;
}

CString& CString::TrimLeft(const char* set)
{
    m_text.erase(0, std::strspn(m_text.c_str(), NonNull(set)));
    return *this;
}

CString& CString::TrimRight()
{
    while (!m_text.empty() && IsBlank(m_text.back())) m_text.pop_back();
    return *this;
}

CString& CString::TrimRight(char ch)
{
    while (!m_text.empty() && m_text.back() == ch) m_text.pop_back();
    return *this;
}

CString& CString::TrimRight(const char* set)
{
    const char* s = NonNull(set);
    while (!m_text.empty() && *s && std::strchr(s, m_text.back())) m_text.pop_back();
    return *this;
}

int CString::Find(char ch, int start) const
{
    if (start < 0 || start >= GetLength()) return -1;
    size_t hit = m_text.find(ch, static_cast<size_t>(start));
    return hit == std::string::npos ? -1 : static_cast<int>(hit);
}

int CString::Find(const char* text, int start) const
{
    if (start < 0 || start > GetLength()) return -1;
    size_t hit = m_text.find(NonNull(text), static_cast<size_t>(start));
    return hit == std::string::npos ? -1 : static_cast<int>(hit);
}

int CString::ReverseFind(char ch) const
{
    size_t hit = m_text.rfind(ch);
    return hit == std::string::npos ? -1 : static_cast<int>(hit);
}

int CString::FindOneOf(const char* set) const
{
    size_t hit = m_text.find_first_of(NonNull(set));
    return hit == std::string::npos ? -1 : static_cast<int>(hit);
}

void CString::FormatV(const char* format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    int needed = std::vsnprintf(nullptr, 0, NonNull(format), copy);
    va_end(copy);
    if (needed < 0) {
        m_text.clear();
        return;
    }
    std::string result(static_cast<size_t>(needed), '\0');
    std::vsnprintf(result.data(), result.size() + 1, NonNull(format), args);
    m_text.swap(result);
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(const char* format, ...)
{
    CString tail;
    va_list args;
    va_start(args, format);
    tail.FormatV(format, args);
    va_end(args);
    m_text += tail.m_text;
}

char* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength()) m_text.resize(static_cast<size_t>(minLength), '\0');
    return m_text.data();
}

char* CString::GetBufferSetLength(int length)
{
    m_text.resize(static_cast<size_t>(std::max(length, 0)), '\0');
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        newLength = static_cast<int>(strnlen(m_text.c_str(), m_text.size()));
    m_text.resize(static_cast<size_t>(std::min(newLength, GetLength())));
}

CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }
CString operator+(const char* a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }
CString operator+(char a, const CString& b) { CString r(a); r += b; return r; }

bool operator==(const CString& a, const CString& b) { return a.Str() == b.Str(); }
bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, const char* b) { return !(a == b); }
bool operator!=(const char* a, const CString& b) { return !(a == b); }
bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }

bool CString::LoadString(unsigned id)
{
    const char* text = MvFindString(id);
    if (!text) return false;
    m_text = text;
    return true;
}
