#pragma once
// Central boards without a window: a window double that notes what it is told, trains with
// codes of their own, and boards and their buttons written and read as lines of text.

#include <array>
#include <string>
#include <vector>

#include "central/quadro.h"

namespace ardenvo {

// "r", "g", "s" for each row's reset, down and up button that `acceso(row, button)` says is
// on, "." for one that is off; then "menu" when the menus are on.
template <class F>
std::string LeggiPulsanti(F&& acceso, bool menu) {
    std::string letti;
    for (int r = 0; r < kRigheQuadro; ++r)
        letti += std::string{acceso(r, 0) ? 'r' : '.', acceso(r, 1) ? 'g' : '.',
                             acceso(r, 2) ? 's' : '.', ' '};
    return letti + (menu ? "menu" : "-");
}

// The buttons of a board at rest holding `righe`, as Leggi writes them.
inline std::string PulsantiARiposo(const std::string& righe) {
    return LeggiPulsanti(
        [&](int r, int k) { return k ? (k == 1 ? r < 9 : r > 0) : righe[r] != '.'; }, true);
}
inline const std::string kPulsantiSpenti = LeggiPulsanti([](int, int) { return false; }, false);

class VistaFinta final : public VistaQuadro {
  public:
    void DisegnaRiga(int riga) override { disegnate.push_back(riga); }
    void DisegnaCategoria(int) override {}
    void AbilitaMenu(bool abilitati) override { menu = abilitati; }
    void AbilitaReset(int riga, bool abilitato) override { pulsanti.at(riga)[0] = abilitato; }
    void AbilitaSposta(int riga, bool giu, bool su) override {
        pulsanti.at(riga) = {pulsanti.at(riga)[0], giu, su};
    }
    void AvviaTimer() override { timer = true; }
    void FermaTimer() override { timer = false; }
    std::string Pulsanti() const {
        return LeggiPulsanti([this](int r, int k) { return pulsanti[r][k]; }, menu);
    }

    std::vector<int> disegnate;
    std::array<std::array<bool, 3>, kRigheQuadro> pulsanti{};
    bool menu = true;
    bool timer = false;
};

inline RigaQuadro RigaLibera() {
    RigaQuadro riga;
    riga.OraMostrata = riga.OraFinale = OraVuota;
    riga.MinutoMostrato = riga.MinutoFinale = MinutoVuoto;
    riga.Libera = true;
    return riga;
}

// Train `nome` ('A'..'Z') at rest: every field has a code of its own.
inline RigaQuadro TrenoProva(char nome) {
    const auto n = static_cast<std::int16_t>(nome - 'A');
    RigaQuadro riga;
    riga.TestoDestinazione = std::string(1, nome);
    riga.LettereFinali[0] = static_cast<std::int16_t>(1 + n);
    riga.LettereFinali[5] = static_cast<std::int16_t>(29 - n);
    riga.CategoriaFinale = static_cast<std::int16_t>(1 + n % 11);
    riga.OraFinale = n;
    riga.MinutoFinale = static_cast<std::int16_t>(59 - n);
    riga.RitardoFinale = static_cast<std::int16_t>(n % 2 ? 90 : 15);
    riga.IndicazioniFinali = static_cast<std::int16_t>(n % 11);
    riga.BinarioFinale = static_cast<std::int16_t>(1 + n);
    MostraFinaliDi(riga, riga);
    return riga;
}

// A free row is "."; a train is its letter.
inline void Scrivi(QuadroCentrale& quadro, const std::string& righe) {
    for (int r = 0; r < kRigheQuadro; ++r)
        quadro.Righe[r] = righe[r] == '.' ? RigaLibera() : TrenoProva(righe[r]);
}

// As Scrivi writes them; "?" for a row not at rest on its train, or a free row not blank (its
// texts, never seen, are not read).
inline std::string Leggi(const QuadroCentrale& quadro) {
    std::string righe;
    for (RigaQuadro riga : quadro.Righe) {
        const char nome = riga.Libera ? '.' : (riga.TestoDestinazione + "?")[0];
        if (riga.Libera) {
            riga.TestoDestinazione = riga.TestoCategoria = riga.TestoRitardo = "";
            riga.TestoIndicazioni = "";
            riga.Caratteri = {};
        }
        righe += riga == (riga.Libera ? RigaLibera() : TrenoProva(nome)) ? nome : '?';
    }
    return righe;
}

// The trains the rows show, as Scrivi writes them; "?" for a row that shows none of them.
inline std::string Mostrati(const QuadroCentrale& quadro) {
    std::string righe;
    for (const RigaQuadro& riga : quadro.Righe) {
        const char nome = riga.LettereMostrate[0] ? 'A' + riga.LettereMostrate[0] - 1 : '.';
        RigaQuadro attesa = riga;
        MostraFinaliDi(attesa, nome == '.' ? RigaLibera() : TrenoProva(nome));
        righe += attesa == riga ? nome : '?';
    }
    return righe;
}

// Ticks the board until its animation ends; returns the ticks run.
inline int Corri(QuadroCentrale& quadro, VistaQuadro& vista) {
    int tick = 0;
    for (; quadro.Timer1 && tick < 1000; ++tick) Timer1_Timer(quadro, vista);
    return tick;
}

// The board's first opening and the tick that follows it, then `righe` written on it.
inline void ApriCon(QuadroCentrale& quadro, VistaQuadro& vista, const std::string& righe) {
    quadro.PrimoAvvio = true;
    ApriQuadro(quadro, vista);
    Corri(quadro, vista);
    Scrivi(quadro, righe);
}

}  // namespace ardenvo
