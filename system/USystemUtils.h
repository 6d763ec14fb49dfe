#pragma once
// The operating system's version.

class USystemUtils {
public:
    // The major number of the NT version (5 here); 0 when it cannot be read.
    static int GetKernelVersion();
};
