#include "core/monitor.h"

#include <algorithm>

#include "core/ritardi.h"

namespace ardenvo {
namespace {

constexpr int kControlliCinqueMinuti = 11;  // records 0..10 of each table
constexpr int kControlliPartenza = 8;       // records 0..7 may make the head leave

struct Lista {
    TabellaTreni& tabella;
    int& numero;
    int testata;
    void (*mostra)(StatoPannelli&, int, Treno&);
};

Lista Partenze(Orario& o) {
    return {o.Partenze, o.NumeroPartenze, kTestataPartenze, Mostra_Riga_Partenza};
}
Lista Arrivi(Orario& o) {
    return {o.Arrivi, o.NumeroArrivi, kTestataArrivi, Mostra_Riga_Arrivo};
}

bool PrimaDi(const Treno& a, const Treno& b) {
    return a.OraEffettiva < b.OraEffettiva ||
           (a.OraEffettiva == b.OraEffettiva && a.MinutoEffettivo < b.MinutoEffettivo);
}

void Ordina(Lista l) {
    const auto inizio = l.tabella.begin();
    const auto fine = inizio + std::clamp(l.numero, 0, kPostiTabella);
    // Almost every tick finds the table in order; checking costs far less than sorting.
    if (std::is_sorted(inizio, fine, PrimaDi)) return;
    std::stable_sort(inizio, fine, PrimaDi);
}

void Lampeggia(Lista l, StatoPannelli& p, bool mostra) {
    for (int i = 0; i < kRighePerPannello; ++i) {
        if (!l.tabella[i].PartenzaCinqueMinuti) continue;
        if (mostra)
            l.mostra(p, l.testata + 1 + i, l.tabella[i]);
        else
            Nascondi_Riga(p, l.testata + 1 + i);
    }
}

// Removes the head of the table, moves every train one place up and redraws the seven rows
// of the panel in the row-show form. A table full up to its last slot gets a cleared record
// in the place freed at its end.
void Elimina(Lista l, StatoPannelli& p) {
    if (l.numero <= 0) return;
    --l.numero;
    std::move(l.tabella.begin() + 1, l.tabella.begin() + l.numero + 1, l.tabella.begin());
    l.tabella[l.numero] = TrenoCancellato();
    for (int j = 0; j < kRighePerPannello; ++j) l.mostra(p, l.testata + 1 + j, l.tabella[j]);
}

void ControllaLista(Lista l, const Orologio& orologio) {
    for (int i = 0; i < std::min(l.numero, kControlliCinqueMinuti); ++i)
        Controlla_Cinque_Minuti(l.tabella[i], orologio);
}

void ControllaPartenza(Lista l, const Orologio& orologio, StatoPannelli& p) {
    for (int i = 0; i < std::min(l.numero, kControlliPartenza); ++i) {
        const Treno& t = l.tabella[i];
        if (t.OraEffettiva == orologio.OraSimulazione &&
            t.MinutoEffettivo == orologio.MinutoSimulazione) {
            Elimina(l, p);  // the head leaves, whichever train is due
            return;
        }
    }
}

}  // namespace

void Ordina_Treni(Orario& orario) {
    Ordina(Partenze(orario));
    Ordina(Arrivi(orario));
}

void Controlla_Cinque_Minuti(Treno& treno, const Orologio& orologio) {
    int ora = treno.OraEffettiva;
    int minuto = treno.MinutoEffettivo;
    for (int passo = 0; passo < 5; ++passo) {
        if (--minuto < 0) {
            minuto = 59;
            if (--ora < 0) ora = 23;
        }
        if (orologio.OraSimulazione == ora && orologio.MinutoSimulazione == minuto)
            treno.PartenzaCinqueMinuti = true;
    }
}

void Timer3_Timer(Simulazione& sim, StatoPannelli& pannelli) {
    Orario& o = sim.orario;
    if (pannelli.contmonitor == 6) {
        pannelli.contmonitor = 0;
        const bool mostra = pannelli.contalterno == 0;
        Lampeggia(Partenze(o), pannelli, mostra);
        Lampeggia(Arrivi(o), pannelli, mostra);
        pannelli.contalterno = mostra ? 1 : 0;
    } else {
        ++pannelli.contmonitor;
    }
    Aggiorna_Partenze(o.Partenze, 0, pannelli);
    Aggiorna_Arrivi(o.Arrivi, 0, pannelli);
    Ordina_Treni(o);
    ControllaLista(Partenze(o), sim.orologio);
    ControllaLista(Arrivi(o), sim.orologio);
    ControllaPartenza(Partenze(o), sim.orologio, pannelli);
    ControllaPartenza(Arrivi(o), sim.orologio, pannelli);
}

}  // namespace ardenvo
