#pragma once
// The rainfall event of the models: rainfall parameters with validating setters, a
// reset, a copy and the time at which runoff ends. Times are in minutes from the start
// of the rainfall, depths in mm, intensities and infiltration rates in mm/h. Every real
// parameter holds -1.0 while it is unset.
#include <functional>
#include <string>

class TIniFile;
class TSerieGrafico;

class TPrecipitacao {
public:
    // Appended to the section names when the event is kept in a settings file.
    std::string Sufixo;
    double A = -1.0;
    double B = -1.0;
    double C = -1.0;
    // A fourth equation parameter that is only kept, never used in a computation.
    double D = -1.0;
    double PrecipitacaoTotal = -1.0;
    double Duracao = -1.0;
    double IntensidadePico = -1.0;
    double TempoPico = -1.0;
    // Days from 30 December 1899.
    double Data = 0.0;
    bool EhPluviograma = false;

    virtual ~TPrecipitacao() = default;

    // Recomputes the derived coefficients; every setter calls it.
    virtual void recalcula();
    // Stores the suffix and returns the event to the unset state.
    virtual void setSufixo(const std::string& Valor);
    // Rate of change of the intensity at time t, mm/h per minute.
    virtual double derivadaIntensidade(double t) const;
    // Copies the parameters and the date; the suffix and the kind of event stay.
    virtual void copia(const TPrecipitacao& Outra);
    // Every real parameter back to -1.0; the suffix and the date stay.
    virtual void limpa();
    // Fills the event from the settings file (IniFile.h), bringing sections of older
    // versions up to date in the file on the way. True when every section of the event
    // was read whole; a kind of event reads its own sections only once the common one
    // was. A section the reader refuses stays in the file as it is. Whatever happens,
    // the event is recalculated before this returns; a failure to bring the file up to
    // date raises EInOutError.
    virtual bool carregaDoArquivo(const std::string& NomeArquivo);
    // Writes the event to the settings file, all of its sections in one replacement of
    // the file. False when anything failed; the file is then as it was.
    virtual bool salvaNoArquivo(const std::string& NomeArquivo);
    // Fills the series with the hyetograph of the event.
    virtual void desenhaGrafico(TSerieGrafico& Serie) const;
    // Rainfall intensity at time t, mm/h.
    virtual double intensidade(double t) const;
    // Rainfall depth from time 0 to t, mm.
    virtual double laminaAcumulada(double t) const;
    // Rainfall depth between t1 and t2, mm.
    virtual double laminaEntre(double t1, double t2) const;

    // Each refuses a negative value or one that is not a number, changing nothing.
    void setPrecipitacaoTotal(double Valor);
    void setDuracao(double Valor);
    void setA(double Valor);
    void setB(double Valor);
    void setC(double Valor);

    // The time at which the intensity falls to the stable infiltration rate TIE of the
    // soil: the end of surface runoff. 0 when the intensity never exceeds TIE; for a
    // design storm at most its DuracaoMaxima, when the storm itself ends.
    double tempoFimEscoamento(double TIE) const;

protected:
    // The section older files keep every parameter in, before the suffix.
    static constexpr const char* SecaoVersao1 = "NIMBRA";

    TPrecipitacao();
    explicit TPrecipitacao(const std::string& Sufixo);
    TPrecipitacao(const TPrecipitacao&) = default;
    TPrecipitacao& operator=(const TPrecipitacao&) = default;

    // Runs a reading of the settings file and recalculates the event after it, also
    // when it raises.
    bool recalculaAposLeitura(const std::function<bool()>& Leitura);
    // Writes the event's sections; a kind of event adds its own after the common one.
    virtual void gravaSecoes(TIniFile& Ini) const;
    // A value that a section of version 3 must hold, as ReadFloat or ReadDateTime gives
    // it with a NaN default: raises EConvertError when the key is missing, empty or not
    // a number, since the writer always writes every key.
    static double exigido(double Valor, const std::string& Secao, const char* Chave);
    // A parameter of a section of version 3: the writer's -1 for one never set leaves it
    // unset, any other value goes through `Define`, its setter, which refuses what it
    // would refuse typed.
    static void tomaParametro(const TIniFile& Ini, const std::string& Secao, const char* Chave,
                              const std::function<void(double)>& Define);

private:
    void defineNaoNegativo(double& Campo, double Valor, const char* Mensagem);
    bool carregaSecoes(TIniFile& Ini);
    // Moves the duration and the total depth into the event's own section, which at
    // version 3 then holds every parameter and the date as the event has them.
    void migraSecao(TIniFile& Ini, const std::string& Versao) const;
    // Duration and total depth, through their setters.
    bool leSecaoVersao1(const TIniFile& Ini, const std::string& Secao);
    // Every parameter and the date, all of them or none: a section that misses a key or
    // holds a value a setter refuses leaves the event as it was.
    bool leSecaoVersao3(const TIniFile& Ini, const std::string& Secao);
    void gravaSecaoVersao3(TIniFile& Ini) const;
};
