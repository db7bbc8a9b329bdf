#include "tests/app/x11/TelaX.h"

#include <QApplication>
#include <QWidget>

#include <xcb/xtest.h>

#include <algorithm>
#include <cstring>
#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace {

template <class T>
using TResposta = std::unique_ptr<T, decltype(&std::free)>;

template <class T>
TResposta<T> resposta(T* r)
{
    return TResposta<T>(r, &std::free);
}

constexpr std::uint32_t simboloShift = 0xffe1;
constexpr std::uint32_t simboloAlt = 0xffe9;

std::uint32_t simboloDe(int teclaQt)
{
    switch (teclaQt) {
    case Qt::Key_Return:
        return 0xff0d;
    case Qt::Key_Escape:
        return 0xff1b;
    case Qt::Key_Tab:
        return 0xff09;
    case Qt::Key_F1:
        return 0xffbe;
    default:
        // Qt names a letter's key by its capital; the key itself gives the small letter.
        return static_cast<std::uint32_t>(QChar::toLower(static_cast<char32_t>(teclaQt)));
    }
}

} // namespace

// A connection of its own: the queries and the input never wait on the program's.
TTelaX::TTelaX()
    : conexao(xcb_connect(nullptr, nullptr))
{
    if (xcb_connection_has_error(conexao))
        throw std::runtime_error("sem conexão com o servidor X");
    raiz = xcb_setup_roots_iterator(xcb_get_setup(conexao)).data->root;
}

TTelaX::~TTelaX()
{
    xcb_disconnect(conexao);
}

xcb_atom_t TTelaX::atomo(const char* nome)
{
    auto r = resposta(xcb_intern_atom_reply(
        conexao, xcb_intern_atom(conexao, 0, static_cast<std::uint16_t>(std::strlen(nome)), nome), nullptr));
    return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::vector<xcb_window_t> TTelaX::janelasDaPropriedade(xcb_atom_t propriedade)
{
    auto r = resposta(xcb_get_property_reply(
        conexao, xcb_get_property(conexao, 0, raiz, propriedade, XCB_ATOM_WINDOW, 0, 4096), nullptr));
    if (!r || r->format != 32)
        return {};
    const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(r.get()));
    return {ids, ids + xcb_get_property_value_length(r.get()) / 4};
}

bool TTelaX::temGerenteDeJanelas()
{
    return !janelasDaPropriedade(atomo("_NET_SUPPORTING_WM_CHECK")).empty();
}

xcb_window_t TTelaX::janelaAtiva()
{
    const std::vector<xcb_window_t> ativa = janelasDaPropriedade(atomo("_NET_ACTIVE_WINDOW"));
    return ativa.empty() ? 0 : ativa.front();
}

// Bottom first, as the window manager keeps them.
std::vector<xcb_window_t> TTelaX::pilha()
{
    return janelasDaPropriedade(atomo("_NET_CLIENT_LIST_STACKING"));
}

xcb_window_t TTelaX::idDe(const QWidget* janela)
{
    return static_cast<xcb_window_t>(janela->window()->winId());
}

bool TTelaX::acimaDe(const QWidget* janela, const QWidget* outra)
{
    const std::vector<xcb_window_t> ordem = pilha();
    const auto a = std::find(ordem.begin(), ordem.end(), idDe(janela));
    const auto b = std::find(ordem.begin(), ordem.end(), idDe(outra));
    return a != ordem.end() && b != ordem.end() && a > b;
}

bool TTelaX::noTopo(const QWidget* janela)
{
    for (QWidget* outra : QApplication::topLevelWidgets())
        if (outra != janela->window() && outra->isVisible() && !acimaDe(janela, outra))
            return false;
    return true;
}

bool TTelaX::cobre(const QWidget* janela, QPoint ponto)
{
    const xcb_window_t id = idDe(janela);
    auto lugar = resposta(
        xcb_translate_coordinates_reply(conexao, xcb_translate_coordinates(conexao, id, raiz, 0, 0), nullptr));
    auto tamanho = resposta(xcb_get_geometry_reply(conexao, xcb_get_geometry(conexao, id), nullptr));
    if (!lugar || !tamanho)
        return false;
    auto bordas = resposta(xcb_get_property_reply(
        conexao, xcb_get_property(conexao, 0, id, atomo("_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 0, 4), nullptr));
    // Left, right, top, bottom.
    std::uint32_t b[4]{};
    if (bordas && bordas->format == 32 && xcb_get_property_value_length(bordas.get()) == sizeof b)
        std::memcpy(b, xcb_get_property_value(bordas.get()), sizeof b);
    const QRect area(lugar->dst_x - static_cast<int>(b[0]), lugar->dst_y - static_cast<int>(b[2]),
                     tamanho->width + static_cast<int>(b[0] + b[1]), tamanho->height + static_cast<int>(b[2] + b[3]));
    return area.contains(ponto);
}

void TTelaX::clica(QPoint ponto)
{
    const auto x = static_cast<std::int16_t>(ponto.x());
    const auto y = static_cast<std::int16_t>(ponto.y());
    xcb_test_fake_input(conexao, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, raiz, x, y, 0);
    xcb_test_fake_input(conexao, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, raiz, 0, 0, 0);
    xcb_test_fake_input(conexao, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, raiz, 0, 0, 0);
    xcb_flush(conexao);
}

void TTelaX::clica(const QWidget* controle)
{
    clica(controle->mapToGlobal(controle->rect().center()));
}

// The key that gives `simbolo`, alone or with Shift.
xcb_keycode_t TTelaX::codigoDe(std::uint32_t simbolo, bool& comShift)
{
    const xcb_setup_t* setup = xcb_get_setup(conexao);
    const int quantos = setup->max_keycode - setup->min_keycode + 1;
    auto r = resposta(xcb_get_keyboard_mapping_reply(
        conexao, xcb_get_keyboard_mapping(conexao, setup->min_keycode, static_cast<std::uint8_t>(quantos)), nullptr));
    if (!r)
        return 0;
    const xcb_keysym_t* simbolos = xcb_get_keyboard_mapping_keysyms(r.get());
    const int porTecla = r->keysyms_per_keycode;
    for (int nivel = 0; nivel < std::min(porTecla, 2); ++nivel)
        for (int i = 0; i < quantos; ++i)
            if (simbolos[i * porTecla + nivel] == simbolo) {
                comShift = nivel == 1;
                return static_cast<xcb_keycode_t>(setup->min_keycode + i);
            }
    return 0;
}

void TTelaX::aperta(std::uint32_t simbolo, bool comAlt)
{
    bool comShift = false;
    const xcb_keycode_t codigo = codigoDe(simbolo, comShift);
    if (codigo == 0)
        throw std::invalid_argument("tecla sem código no teclado do servidor X");
    bool semUso = false;
    std::vector<xcb_keycode_t> modificadores;
    if (comShift)
        modificadores.push_back(codigoDe(simboloShift, semUso));
    if (comAlt)
        modificadores.push_back(codigoDe(simboloAlt, semUso));
    for (const xcb_keycode_t m : modificadores)
        xcb_test_fake_input(conexao, XCB_KEY_PRESS, m, XCB_CURRENT_TIME, raiz, 0, 0, 0);
    xcb_test_fake_input(conexao, XCB_KEY_PRESS, codigo, XCB_CURRENT_TIME, raiz, 0, 0, 0);
    xcb_test_fake_input(conexao, XCB_KEY_RELEASE, codigo, XCB_CURRENT_TIME, raiz, 0, 0, 0);
    for (const xcb_keycode_t m : modificadores)
        xcb_test_fake_input(conexao, XCB_KEY_RELEASE, m, XCB_CURRENT_TIME, raiz, 0, 0, 0);
    xcb_flush(conexao);
}

void TTelaX::tecla(int teclaQt, Qt::KeyboardModifiers modificadores)
{
    aperta(simboloDe(teclaQt), modificadores.testFlag(Qt::AltModifier));
}

// Each character by its own symbol, a capital with Shift.
void TTelaX::digita(const QString& texto)
{
    for (const QChar letra : texto)
        aperta(letra.unicode(), false);
}
