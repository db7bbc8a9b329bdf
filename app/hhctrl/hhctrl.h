#pragma once
// What the help control and the program's help binding agree on: the entry point they
// look up by name, and the command it serves.
#include <cstdint>

// The control's entry point: caller window, help file path, command, data.
using THtmlHelpProc = std::intptr_t (*)(std::intptr_t janela, const char* arquivo,
                                        unsigned int comando, std::uintptr_t dados);

// Shows the topic of the context number given as the data.
inline constexpr unsigned int HH_HELP_CONTEXT = 15;
