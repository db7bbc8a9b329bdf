#pragma once
// The one order of the names of stations and localities: the order in which the data
// files store each state's section and in which the consultation's lists show it, so
// that a list position is the record's index.
//
// Names compare first by their letters alone, case and accents aside ("Água Boa" between
// "Açucena" and "Aimorés"); among names equal so, the one without an accent comes first
// ("Sao" before "São"), then the one with the capital ("São" before "são"). Blanks,
// apostrophes and hyphens count as themselves and precede digits and letters.
#include <string_view>

// Negative, zero or positive as `a` comes before, with or after `b`; zero only for equal
// texts.
int comparaNomes(std::string_view a, std::string_view b);

// `a` comes strictly before `b`: the comparison for sorting.
inline bool precedeNome(std::string_view a, std::string_view b)
{
    return comparaNomes(a, b) < 0;
}
