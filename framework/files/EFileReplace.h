#pragma once
// What to write to when a target file already exists; stored as a 32-bit value.

enum EFileReplace : int { kFileReplaceAsk = 0, kFileReplaceReplace = 1, kFileReplaceRename = 2 };
