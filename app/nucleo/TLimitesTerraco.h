#pragma once
// The values that no real terrace takes. "Calcular" passes every value it reads and every
// length, area, volume and depth it works out through one of these checks; each returns
// its value unchanged or raises ETerracoImpossivel, whose message names the section of the
// data entry, the field and what is wrong. The ranges leave a wide margin around every
// terrace, soil and rainfall equation in use (DESIGN.md lists them), so a terrace that
// passes evaluates exactly as without them.
//
// A return period or a K not above zero, or a negative a, b or c, passes here untouched:
// the design storm refuses it itself, which ends the run with the one message of a
// blank field.
class TLimitesTerraco {
public:
    // "Precipitação" and "Solo".
    static double verificaTempoRetorno(double T);
    static double verificaK(double K);
    static double verificaA(double a);
    static double verificaB(double b);
    static double verificaC(double c);
    static double verificaInfiltracao(double TIE);
    // An equation without b, i = K·T^a / t^c, gives a depth that grows with the duration
    // only for a c below 1.
    static void verificaEquacaoSemB(double b, double c);

    // "Canal". `secao` is the section's number in the grid; `ponto` is "C", "F1", "F2"
    // or "FT".
    static double verificaComprimentoTerraco(double L);
    static double verificaLeituraSecao(int secao, const char* ponto, double leitura);
    // A distance typed from C to `ponto`.
    static double verificaDistanciaSecao(int secao, const char* ponto, double distancia);
    // The distances from C must follow the order of the points along the section.
    static void verificaOrdemSecao(int secao, double ateF1, double ateF2, double ateFT, bool trapezoidal);
    // A negative storage area comes from a bank whose top C lies below the channel floor.
    static double verificaAreaSecao(int secao, double area, bool trapezoidal);

    // "Área de Contribuição". `visada` is the row of the sight grid; `fio` is "FS", "FM"
    // or "FI"; `linha` is the tape grid's row counted from 1.
    static double verificaLeituraVisada(int visada, const char* fio, double leitura);
    static double verificaAnguloVisada(int visada, double angulo);
    // A stadia distance read between the hair `fioAcima`, which reads more, and `fioAbaixo`.
    static double verificaDistanciaVisada(int visada, double distancia, const char* fioAcima,
                                          const char* fioAbaixo);
    // The area a survey with sights encloses: one that shows as 0,00 m² (sights all along
    // one line, or a single sight) was typed wrong, since the terrace would then be judged
    // by the road alone.
    static double verificaAreaIrradiacao(double area);
    static double verificaEspacamento(int linha, double espacamento);
    static double verificaLarguraEstrada(double largura);
    static double verificaComprimentoEstrada(double comprimento);

    // "Perfil da Crista": point `ponto` of `nPontos`, the start first and the far end last.
    static double verificaLeituraCrista(int ponto, int nPontos, double leitura);

    // A result shown on the results page, named as the page names it ("Ve(m³)"): it must
    // be finite and not negative.
    static long double verificaResultado(const char* grandeza, long double valor);
};
