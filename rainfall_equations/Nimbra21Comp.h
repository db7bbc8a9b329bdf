#pragma once
// The rainfall-equation consultation as a component that a window keeps among its
// children: the caller sets the inputs, calls executa, and after a true result reads the
// choice from the same properties and from EquacaoIDF.
//
// Errors leave executa as exceptions carrying a Portuguese message (Exception or a class
// derived from it), for the caller to show or to act on:
// - the shared data folder (TfrmFoConsulta::pastaDados(), which tests point elsewhere
//   with TfrmFoConsulta::definePastaDados) or one of its two files is not there:
//   EDadosNaoInstalados with the messages of InstalacaoNimbra.h, checked in that order
//   before any window is made;
// - IndEstado below 0: "É necessário entrar com um índice para o estado"; above 26:
//   ENumeroEstado; a Latitude or Longitude that does not convert: EConvertError. The
//   window is released unshown.
// - a parameter on show that the design storm refuses: the storm's own message.
// Whenever executa raises or returns false, no property and nothing of EquacaoIDF changed.
#include "models/PrecipitacaoExponencialNegativa.h"
#include "plataforma/nucleo/ContextoAjuda.h"

#include <QObject>

#include <cstdint>
#include <string>

class TNimbra21 : public QObject {
    Q_OBJECT
public:
    // Owned by `dono`, which frees it; a window owner is the parent of the consultation.
    explicit TNimbra21(QObject* dono = nullptr);

    // In: the help context of the consultation window.
    int HelpContext = ContextoAjuda::nenhum;
    // In: the point to bring back, when both lists have nothing to restore; out: that of
    // the chosen station, locality or point. Texts of nine characters "DD°MM'SS\"",
    // degrees south and west; empty or the blank mask text "  °  '  \"" hands in none.
    std::string Latitude;
    std::string Longitude;
    // In: the list positions to bring back; out: those selected when the user confirmed,
    // -1 for none.
    std::int16_t IndLocalidade = 0;
    std::int16_t IndEstacao = 0;
    // Out: the station's or locality's name as stored, "Não definida" for a point.
    std::string StrCidade;
    // In: the state to open with, 0..26 (Acre to Tocantins), required; -1 is unset. Out:
    // the state chosen.
    std::int16_t IndEstado = -1;
    // Out: the full name of the state chosen.
    std::string StrEstado;
    // In: show the about window once, when the consultation is first shown.
    bool ShowAbout = false;
    // Kept for whoever stores it; nothing reads it.
    std::string Secao;

    // Out: K, a, b and c of the chosen equation as the window showed them, that is rounded
    // to 3 decimals. Its return period is the caller's.
    TPrecipitacaoExponencialNegativa EquacaoIDF;

    // Out: the source key on show when the user confirmed, "Interpolação" for an
    // interpolated equation, empty when the source button read "Autor".
    const std::string& Autoria() const { return Autoria_; }

    // Back to a fresh component: EquacaoIDF unset, no point, list positions 0 (a state
    // with stations reopens on its first one), no state, help context 0, no about window.
    // Autoria stays.
    void limpa();

    // Checks the data folder, opens the consultation modally over the owner and, when the
    // user confirms, takes the choice: true. Cancel, Esc or the close box: false.
    bool executa();

private:
    std::string Autoria_;
};
