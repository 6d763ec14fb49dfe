#pragma once
// What the output pages ask of the engine's format-type table, in one place.
#include "EMediaOutput.h"

class CFormatType;
class CTvCodecOption;

class UFormatRows {
public:
    // The row of an output type id; null without a table or row.
    static CFormatType* Find(ESplitterType type);
    static bool HasTvOption(const CFormatType* row);
    // The row's option for that TV standard; null when it has none.
    static CTvCodecOption* FindTvOption(const CFormatType* row, ETvType tvType);
    // Whether the components that write the type are installed here.
    static bool FormatInstalled(ESplitterType type);
};
