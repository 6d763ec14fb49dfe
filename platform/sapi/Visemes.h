#pragma once
// Our phoneme-to-viseme table: mouth shapes 0 (silence) to 21 for the engine's
// phoneme names.
#include <string>

enum EViseme : unsigned short {
    kVisemeSilence = 0,
    kVisemeOpenCentral = 1, // cup, about
    kVisemeOpenBack = 2,    // father
    kVisemeRoundedOpen = 3, // thought
    kVisemeMidFront = 4,    // bed, put
    kVisemeRhotic = 5,      // bird
    kVisemeCloseFront = 6,  // see, sit, yes
    kVisemeCloseRound = 7,  // too, we
    kVisemeMidRound = 8,    // go
    kVisemeOpenToRound = 9, // now
    kVisemeRoundToClose = 10, // boy
    kVisemeOpenToClose = 11,  // my
    kVisemeBreath = 12,       // h
    kVisemeR = 13,
    kVisemeL = 14,
    kVisemeSibilant = 15,     // s z
    kVisemePostAlveolar = 16, // sh ch j zh
    kVisemeDental = 17,       // th
    kVisemeLabiodental = 18,  // f v
    kVisemeAlveolar = 19,     // t d n
    kVisemeVelar = 20,        // k g ng
    kVisemeBilabial = 21,     // p b m
};

unsigned short VisemeOfPhoneme(const std::string& phoneme);
