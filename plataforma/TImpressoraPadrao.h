#pragma once
// Makes a printer the user's default printer, for this program and for every other one.
// Failures are silent: the user's choice is a convenience, never an error.
#include <QString>

#include <functional>

class TImpressoraPadrao {
public:
    // An empty name (printing to a file, or no printer at all) changes nothing.
    static void define(const QString& nome);

    // For tests: every name goes to `registro` instead of the print system.
    // An empty function brings the print system back.
    static void substitui(std::function<void(const QString&)> registro);
};
