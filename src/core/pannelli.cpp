#include "core/pannelli.h"

#include "core/codici.h"
#include "core/ritardi.h"

namespace ardenvo {
namespace {

// What tells the two panels apart: their header row and the field that names the other end.
struct Lato {
    int testata;
    std::string Treno::*luogo;  // Destinazione for departures, Provenienza for arrivals
};
constexpr Lato kPartenze{kTestataPartenze, &Treno::Destinazione};
constexpr Lato kArrivi{kTestataArrivi, &Treno::Provenienza};

RigaPannello Testata(const char* luogo) {
    RigaPannello r;
    r.Testi = {"N°", luogo, "Categoria", "Rit.", "Ora. Pre.", "Ora. Eff.", "Bin."};
    return r;
}

std::string TestoOraEffettiva(Treno& t) {
    CalcolaOraEffettiva(t);
    return TestoOra(t.OraEffettiva, t.MinutoEffettivo);
}

void Aggiorna(const Lato& lato, TabellaTreni& tabella, int primo, StatoPannelli& pannelli) {
    for (int k = 1; k <= kRighePerPannello; ++k) {
        RigaPannello& riga = pannelli.Righe[lato.testata + k];
        riga.Tooltip = tabella[k - 1].*lato.luogo;
        const int indice = primo + k - 1;
        if (indice < 0 || indice >= kPostiTabella) {
            riga.Testi = {};
            continue;
        }
        Treno& t = tabella[indice];
        if (t.PartenzaCinqueMinuti) continue;  // the blink owns this row
        const std::string effettiva = TestoOraEffettiva(t);
        if ((t.*lato.luogo).empty()) {
            riga.Testi = {};
            continue;
        }
        riga[Cella::Numero] = t.NumeroTreno.substr(0, t.NumeroTreno.find('-'));
        riga[Cella::Destinazione] = t.*lato.luogo;
        riga[Cella::Categoriaq] = t.Categoria;
        riga[Cella::Ritardo] = Ritardo_Testo(std::to_string(t.Ritardo));
        riga[Cella::Orario] = TestoOra(t.Ora, t.Minuto);
        riga[Cella::Orarioeff] = effettiva;
        riga[Cella::Binarioq] = t.Categoria == "Autobus" ? "BUS" : std::to_string(t.Binario);
    }
}

void MostraRiga(const Lato& lato, StatoPannelli& pannelli, int Colonna, Treno& t) {
    RigaPannello& riga = pannelli.Righe[Colonna];
    riga.Visibile = true;
    riga[Cella::Numero] = t.NumeroTreno;
    riga[Cella::Destinazione] = t.*lato.luogo;
    riga[Cella::Categoriaq] = t.Categoria;
    riga[Cella::Ritardo] = std::to_string(t.Ritardo);
    riga[Cella::Orario] = TestoOra(t.Ora, t.Minuto);
    riga[Cella::Orarioeff] = TestoOraEffettiva(t);
    riga[Cella::Binarioq] = std::to_string(t.Binario);
}

}  // namespace

StatoPannelli::StatoPannelli() {
    Righe[kTestataPartenze] = Testata("Destinazione");
    Righe[kTestataArrivi] = Testata("Provenienza");
}

std::string Ritardo_Testo(std::string Testo) {
    if (const std::optional<int> i = PosizioneTestoRitardo(Testo))
        return std::string(TestiRitardi[*i]);
    return Testo;
}

std::string TestoOra(int ora, int minuto) {
    return std::to_string(ora) + (minuto >= 0 && minuto < 10 ? ":0" : ":") + std::to_string(minuto);
}

void Aggiorna_Partenze(TabellaTreni& Partenze, int IndicePartenze, StatoPannelli& pannelli) {
    Aggiorna(kPartenze, Partenze, IndicePartenze, pannelli);
}

void Aggiorna_Arrivi(TabellaTreni& Arrivi, int IndiceArrivi, StatoPannelli& pannelli) {
    Aggiorna(kArrivi, Arrivi, IndiceArrivi, pannelli);
}

void Mostra_Riga_Partenza(StatoPannelli& pannelli, int Colonna, Treno& partenza) {
    MostraRiga(kPartenze, pannelli, Colonna, partenza);
}

void Mostra_Riga_Arrivo(StatoPannelli& pannelli, int Colonna, Treno& arrivo) {
    MostraRiga(kArrivi, pannelli, Colonna, arrivo);
}

void Nascondi_Riga(StatoPannelli& pannelli, int Colonna) {
    pannelli.Righe[Colonna].Visibile = false;
}

}  // namespace ardenvo
