#pragma once
// The input/output error of a failed file operation, with the run-time messages the
// user knows: "File not found", "File access denied", "Disk full", "I/O error <n>"...
#include <string>

// The message of a system error number (errno).
std::string mensagemEntradaSaida(int erro);

// Raises EInOutError with that message and `erro` as its ErrorCode.
[[noreturn]] void lancaErroEntradaSaida(int erro);
