#pragma once
// Central boards without a window: a window double that notes what it is told, trains with
// codes of their own, and boards written and read as a line of ten characters.

#include <array>
#include <string>
#include <vector>

#include "central/quadro.h"

namespace ardenvo {

class VistaFinta final : public VistaQuadro {
  public:
    void DisegnaRiga(int riga) override { disegnate.push_back(riga); }
    void DisegnaCategoria(int riga) override { categorie.push_back(riga); }
    void AbilitaMenu(bool abilitati) override { menu = abilitati; }
    void AbilitaReset(int riga, bool abilitato) override { reset.at(riga) = abilitato; }
    void AbilitaSposta(int riga, bool g, bool s) override {
        giu.at(riga) = g;
        su.at(riga) = s;
    }
    void AvviaTimer() override { timer = true; }
    void FermaTimer() override { timer = false; }

    // "r" for each enabled reset, "g"/"s" for each enabled move, "." where a row has none.
    std::string Pulsanti() const {
        std::string letti;
        for (int r = 0; r < kRigheQuadro; ++r)
            letti += std::string(reset[r] ? "r" : ".") + (giu[r] ? "g" : ".") +
                     (su[r] ? "s" : ".") + " ";
        return letti + (menu ? "menu" : "-");
    }

    std::vector<int> disegnate;
    std::vector<int> categorie;
    bool menu = true;
    std::array<bool, kRigheQuadro> reset{}, giu{}, su{};
    bool timer = false;
};

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

inline RigaQuadro RigaLibera() {
    RigaQuadro riga;
    riga.OraMostrata = riga.OraFinale = OraVuota;
    riga.MinutoMostrato = riga.MinutoFinale = MinutoVuoto;
    riga.Libera = true;
    return riga;
}

// A free row is "."; a train is its letter.
inline void Scrivi(QuadroCentrale& quadro, const std::string& righe) {
    for (int r = 0; r < kRigheQuadro; ++r)
        quadro.Righe[r] = righe[r] == '.' ? RigaLibera() : TrenoProva(righe[r]);
}

// Every shown and final code of a row, in one list.
inline std::vector<int> Codici(const RigaQuadro& riga) {
    std::vector<int> codici(riga.LettereMostrate.begin(), riga.LettereMostrate.end());
    codici.insert(codici.end(), riga.LettereFinali.begin(), riga.LettereFinali.end());
    for (int codice : {riga.CategoriaMostrata, riga.CategoriaFinale, riga.OraMostrata,
                       riga.OraFinale, riga.MinutoMostrato, riga.MinutoFinale, riga.RitardoMostrato,
                       riga.RitardoFinale, riga.IndicazioniMostrate, riga.IndicazioniFinali,
                       riga.BinarioMostrato, riga.BinarioFinale})
        codici.push_back(codice);
    return codici;
}

// Each row's letter, "." for a free row; "?" for a row that is not at rest on its train, or a
// free row that is not blank. A free row's texts are never seen, so they are not read.
inline std::string Leggi(const QuadroCentrale& quadro) {
    std::string righe;
    for (const RigaQuadro& riga : quadro.Righe) {
        const char nome = riga.TestoDestinazione.empty() ? '?' : riga.TestoDestinazione[0];
        const bool giusta =
            riga.Libera ? Codici(riga) == Codici(RigaLibera()) : riga == TrenoProva(nome);
        righe += !giusta ? '?' : riga.Libera ? '.' : nome;
    }
    return righe;
}

// Ticks the board until its animation ends; returns the ticks run.
inline int Corri(QuadroCentrale& quadro, VistaQuadro& vista, int limite = 1000) {
    int tick = 0;
    for (; quadro.Timer1 && tick < limite; ++tick) Timer1_Timer(quadro, vista);
    return tick;
}

}  // namespace ardenvo
