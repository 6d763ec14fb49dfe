#pragma once
// Opens a file or web address with the shell.
class UShellUtils {
public:
    static void Open(const char* fileOrAddress);
};
