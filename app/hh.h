#pragma once
// The binding to the HTML Help control: finds the control library, loads it at the first
// help request, keeps its entry points and frees it at the end.
#include "app/hhctrl/hhctrl.h"

#include <cstdint>
#include <string>

inline constexpr std::uint16_t HELP_CONTEXT = 1;
inline constexpr std::uint16_t HELP_CONTEXTPOPUP = 8;
inline constexpr std::uint16_t HELP_FINDER = 11;

extern void* HHControlModule;  // null: not loaded
extern bool HHLoadAtStart; // false: the start-up shows its windows without the control
extern THtmlHelpProc HHProcA;
extern THtmlHelpProc HHProcW;  // looked up, never called
extern THtmlHelpProc HHProc;   // the one that is called

std::string HHSystemFolder();
std::string HHWindowsFolder();
void HHExpandRootVariable(std::string& caminho);
std::string HHLocateControlFile();
void HHLoadControl();
void HHUnloadControl();
// Whether the control is there for HHLoadControl: loaded, or its file where that looks
// for it. A control that only the system's library path could hold is loaded to know.
bool HHControlPresent();

// The unit's start-up and closing code: run once, before the application object is
// made and after it is gone.
void hhInicializacao();
void hhFinalizacao();
