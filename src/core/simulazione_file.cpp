#include "core/simulazione_file.h"

#include <array>

namespace ardenvo {
namespace {

constexpr std::string_view kFineRiga = "\r\n";

std::string Tempo(int ora, int minuto) {
    return std::to_string(ora) + "." + std::to_string(minuto);
}

void Riga(std::string& out, std::string_view chiave, std::string_view valore) {
    out.append(chiave).append(" = ").append(valore).append(kFineRiga);
}

void ScriviBlocco(std::string& out, const Treno& t, bool partenza) {
    const std::string ora = Tempo(t.Ora, t.Minuto);
    const std::string effettiva = Tempo(t.OraEffettiva, t.MinutoEffettivo);
    out.append(kFineRiga).append(kMarcatoreTreno).append(kFineRiga);
    Riga(out, "Tipologia di treno", partenza ? "0" : "1");
    Riga(out, "Numero Treno", t.NumeroTreno);
    Riga(out, "Destinazione", partenza ? t.Destinazione : "-");
    Riga(out, "Provenienza", partenza ? "-" : t.Provenienza);
    Riga(out, "Categoria", t.Categoria);
    Riga(out, "Ritardo", std::to_string(t.Ritardo));
    Riga(out, "Arrivo", partenza ? "-" : ora);
    Riga(out, "Arrivo Effettivo", partenza ? "-" : effettiva);
    Riga(out, "Partenza", partenza ? ora : "-");
    Riga(out, "Partenza Effettiva", partenza ? effettiva : "-");
    Riga(out, "Binario", std::to_string(t.Binario));
    Riga(out, "Fermate Successive", partenza ? t.FermateSuccessive : "-");
    Riga(out, "Indicazioni Sussidiarie", std::to_string(t.Indicazioni));
    Riga(out, "Note", t.Note);
    Riga(out, "Partenza < 5 minuti", t.PartenzaCinqueMinuti ? "True" : "False");
}

// The fourteen value lines of a block, taken by position; lines of the other half are read
// and dropped without looking at them.
void LeggiBlocco(LettoreRighe& file, Treno& t, bool partenza) {
    const auto valore = [&] { return file.Valore(file.Leggi()); };
    const auto tempo = [&](std::int16_t& ora, std::int16_t& minuto) {
        const std::array<int, 3> letto = file.Tempo(valore(), 2);
        ora = static_cast<std::int16_t>(letto[0]);
        minuto = static_cast<std::int16_t>(letto[1]);
    };

    t.NumeroTreno = valore();
    if (partenza) {
        t.Destinazione = valore();
        file.Leggi();
    } else {
        file.Leggi();
        t.Provenienza = valore();
    }
    t.Categoria = valore();
    t.Ritardo = file.Intero(valore());
    if (partenza) {
        file.Leggi();
        file.Leggi();
    }
    tempo(t.Ora, t.Minuto);
    tempo(t.OraEffettiva, t.MinutoEffettivo);
    if (!partenza) {
        file.Leggi();
        file.Leggi();
    }
    t.Binario = file.Intero(valore());
    t.FermateSuccessive = valore();
    t.Indicazioni = file.Indicazioni(valore());
    t.Note = valore();
    t.PartenzaCinqueMinuti = valore() == "True";
}

}  // namespace

std::string ScriviSimulazione(const Orario& orario, const Orologio& orologio) {
    std::string out;
    out.reserve(512 * static_cast<std::size_t>(orario.NumeroPartenze + orario.NumeroArrivi + 1));
    Riga(out, "Stazione di", orario.NomeStazione);
    Riga(out, "Ora inizio simulazione",
         Tempo(orologio.OraSimulazione, orologio.MinutoSimulazione) + "." +
             std::to_string(orologio.SecondoSimulazione));
    Riga(out, "Numero binari stazione", std::to_string(orario.NumeroBinari));
    for (int i = orario.NumeroPartenze - 1; i >= 0; --i)
        ScriviBlocco(out, orario.Partenze[i], true);
    for (int i = orario.NumeroArrivi - 1; i >= 0; --i) ScriviBlocco(out, orario.Arrivi[i], false);
    return out;
}

Esito<OrarioLetto> LeggiSimulazione(std::string_view byte, std::string_view nome) {
    return EseguiLettura(byte, nome, [&](LettoreRighe& file, OrarioLetto& letto) {
        // The header is three lines by position: no comment may stand before or among them.
        letto.NomeStazione = file.Valore(file.Leggi());
        const std::array<int, 3> ora = file.Tempo(file.Valore(file.Leggi()), 3);
        letto.orologio = {ora[0], ora[1], ora[2]};
        letto.NumeroBinari = file.NumeroBinari(file.Valore(file.Leggi()));

        while (!file.Fine()) {
            if (file.Leggi() != kMarcatoreTreno) continue;
            const int tipo = file.Intero(file.Valore(file.Leggi()));
            if (tipo != 0 && tipo != 1) continue;
            const bool partenza = tipo == 0;
            LeggiBlocco(file, file.NuovoTreno(partenza ? letto.Partenze : letto.Arrivi, partenza),
                        partenza);
        }
    });
}

}  // namespace ardenvo
