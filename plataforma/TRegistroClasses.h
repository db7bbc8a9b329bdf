#pragma once
// The platform's class registration: where the library of a registered component lives.
// This system keeps no such registration, so no key can be opened. Tests put a register
// of their own in its place.
#include <functional>
#include <optional>
#include <string>

class TRegistroClasses {
public:
    // The default value of a key under the registration of classes, read-only;
    // nothing when the key cannot be opened.
    static std::optional<std::string> leValorPadrao(const std::string& chave);

    // For tests: every key goes to `registro`. An empty function brings the platform back.
    static void substitui(std::function<std::optional<std::string>(const std::string&)> registro);
};
