#include "sapi/Visemes.h"

#include <cstring>

namespace {

struct Entry {
    const char* prefix;
    unsigned short viseme;
};

// Longest prefixes first: diphthongs and affricates before their first letter.
const Entry kTable[] = {
    {"aI", kVisemeOpenToClose}, {"aU", kVisemeOpenToRound}, {"OI", kVisemeRoundToClose}, {"eI", kVisemeMidFront},
    {"oU", kVisemeMidRound},    {"tS", kVisemePostAlveolar}, {"dZ", kVisemePostAlveolar}, {"3:", kVisemeRhotic},
    {"i", kVisemeCloseFront},   {"I", kVisemeCloseFront},    {"j", kVisemeCloseFront},    {"y", kVisemeCloseFront},
    {"e", kVisemeMidFront},     {"E", kVisemeMidFront},      {"U", kVisemeMidFront},      {"u", kVisemeCloseRound},
    {"w", kVisemeCloseRound},   {"o", kVisemeMidRound},      {"O", kVisemeRoundedOpen},   {"0", kVisemeRoundedOpen},
    {"A", kVisemeOpenBack},     {"a", kVisemeOpenCentral},   {"@", kVisemeOpenCentral},   {"V", kVisemeOpenCentral},
    {"3", kVisemeRhotic},       {"h", kVisemeBreath},        {"r", kVisemeR},             {"l", kVisemeL},
    {"L", kVisemeL},            {"s", kVisemeSibilant},      {"z", kVisemeSibilant},      {"S", kVisemePostAlveolar},
    {"Z", kVisemePostAlveolar}, {"T", kVisemeDental},        {"D", kVisemeDental},        {"f", kVisemeLabiodental},
    {"v", kVisemeLabiodental},  {"t", kVisemeAlveolar},      {"d", kVisemeAlveolar},      {"n", kVisemeAlveolar},
    {"N", kVisemeVelar},        {"k", kVisemeVelar},         {"g", kVisemeVelar},         {"x", kVisemeVelar},
    {"p", kVisemeBilabial},     {"b", kVisemeBilabial},      {"m", kVisemeBilabial},
};

} // namespace

unsigned short VisemeOfPhoneme(const std::string& phoneme)
{
    for (const Entry& e : kTable)
        if (phoneme.compare(0, std::strlen(e.prefix), e.prefix) == 0) return e.viseme;
    return kVisemeSilence; // pauses and anything unknown
}
