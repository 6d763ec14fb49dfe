#include "UUrlUtils.h"
#include "UStringBuffer.h"

#include <cstdlib>
#include <string>

namespace {

// After the scheme's "//"; a "//" behind the first '/' or '?' lies in the path or the query.
size_t ServerStart(const std::string& address)
{
    size_t first = address.find_first_of("/?");
    if (first == std::string::npos || address.compare(first, 2, "//") != 0) return 0;
    return first + 2;
}

// The end of the server part: the first '/' or '?' after its start.
size_t ServerEnd(const std::string& address)
{
    size_t end = address.find_first_of("/?", ServerStart(address));
    return end == std::string::npos ? address.size() : end;
}

char* Text(const std::string& text) { return UStringBuffer::Text(text.c_str()); }

}

char* UUrlUtils::GetServerWithPort(const char* address)
{
    if (!address) return Text("");
    std::string text(address);
    size_t start = ServerStart(text);
    return Text(text.substr(start, ServerEnd(text) - start));
}

char* UUrlUtils::GetServer(const char* address)
{
    std::string server = GetServerWithPort(address);
    return Text(server.substr(0, server.find(':')));
}

int UUrlUtils::GetPort(const char* address)
{
    std::string server = GetServerWithPort(address);
    size_t colon = server.find(':');
    return colon == std::string::npos ? 0 : std::atoi(server.c_str() + colon + 1);
}

char* UUrlUtils::GetFileName(const char* address)
{
    if (!address) return Text("");
    std::string text(address);
    size_t end = ServerEnd(text);
    if (end >= text.size() || text[end] != '/') return Text("/");
    size_t query = text.find('?', end);
    return Text(text.substr(end, query == std::string::npos ? std::string::npos : query - end));
}

char* UUrlUtils::GetParams(const char* address)
{
    if (!address) return Text("");
    std::string text(address);
    size_t query = text.find('?');
    return Text(query == std::string::npos ? std::string() : text.substr(query + 1));
}
