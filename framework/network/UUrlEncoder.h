#pragma once
// Encodes a name or value for a form request: letters, digits and ! ' ( ) * - . _ stay,
// every other byte becomes %XX.
#include "afx/CString.h"

class UUrlEncoder {
public:
    static CString EncodeParam(const char* text);
};
