#pragma once
// Splits a web address into server, port, path and query. Results lie in the rotating text
// buffer; a null address gives empty text (port 0).

class UUrlUtils {
public:
    // From after the scheme's "//" (or the start) to the first '/' or '?' after it.
    static char* GetServerWithPort(const char* address);
    static char* GetServer(const char* address);
    static int GetPort(const char* address);
    // From the first '/' after the server, if it comes before any '?', up to the '?'; "/" otherwise.
    static char* GetFileName(const char* address);
    // The text after the first '?'.
    static char* GetParams(const char* address);
};
