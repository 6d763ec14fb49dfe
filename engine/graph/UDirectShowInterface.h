#pragma once
// The start-up check of the installed platform versions, with its messages.
class UDirectShowInterface {
public:
    // Always true: the program goes on after telling the user.
    static bool CheckValidVersion(bool checkWindowsMedia);
};
