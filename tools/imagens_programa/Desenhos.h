#pragma once
// The program's own pictures, each drawn on a blank image.
#include "tools/desenho/Fonte.h"

#include <QImage>
#include <QString>

#include <vector>

// The start-up picture, 600 × 248; its two link zones are drawn at (40, 176, 81 × 65)
// ("Como citar") and (152, 176, 57 × 65) ("Sobre").
QImage desenhaAbertura();

// The field-notebook page for the survey of one terrace, 714 × 1020.
QImage desenhaCaderneta();

struct TIcone {
    QString nome;
    QImage figura; // 18 × 18, transparent background
};

// The tool-bar pictures, by the names the main window loads them with.
std::vector<TIcone> desenhaIcones();

// The greyed picture shown by a disabled button.
QImage desativada(const QImage& figura);
