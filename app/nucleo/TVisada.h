#pragma once
// One sight of an irradiation survey of the contributing area. A survey of n sights
// holds n + 1 records: record k >= 1 is the triangle between the sights of records
// k - 1 and k, and the last one closes the polygon back to the first sight.
struct TVisada {
    double distancia = 0;      // horizontal distance from the instrument, m, or semValor
    double angulo = 0;         // radians from the sight before; record 0: degrees as typed
    double areaTriangulo = 0;  // m²; 0 in record 0
};
