#include "central/immissione_quadro.h"

#include <optional>

namespace ardenvo {
namespace {

constexpr std::int16_t kCategoriaAutobus = 11;

// A converter writes the shown code, which becomes the final code; the tile then turns from
// `vuoto`. A text without a code leaves the shown code, and so the final code, as it was.
void Finale(std::optional<std::int16_t> codice, std::int16_t& mostrato, std::int16_t& finale,
            std::int16_t vuoto = 0) {
    if (codice) mostrato = *codice;
    finale = mostrato;
    mostrato = vuoto;
}

}  // namespace

void ScriviInserimento(RigaQuadro& riga, const DatiInserimento& dati) {
    // A station without platforms lists none to choose: no platform, provisional or not.
    const bool binario = dati.Binario >= 1 && dati.Binario <= kBinari;
    riga.BinarioFinale = static_cast<std::int16_t>(binario ? dati.Binario : 0);

    CaratteriMinuscoli(dati.Destinazione, riga.Caratteri);
    riga.TestoDestinazione.clear();
    for (int c = 0; c < kLettereQuadro; ++c) {
        riga.TestoDestinazione += riga.Caratteri[c];
        Finale(Lettera_Numero(riga.Caratteri[c]), riga.LettereMostrate[c], riga.LettereFinali[c]);
    }

    riga.TestoCategoria = dati.Categoria;
    Finale(Categoria_Numerog(dati.Categoria), riga.CategoriaMostrata, riga.CategoriaFinale);
    if (riga.CategoriaFinale == kCategoriaAutobus) riga.BinarioFinale = 0;

    riga.TestoRitardo = dati.Ritardo;
    Finale(Ritardo_Numero(dati.Ritardo), riga.RitardoMostrato, riga.RitardoFinale);
    Finale(dati.Ora, riga.OraMostrata, riga.OraFinale, OraVuota);
    Finale(dati.Minuto, riga.MinutoMostrato, riga.MinutoFinale, MinutoVuoto);

    riga.TestoIndicazioni = dati.Indicazioni;
    Finale(Indicazioni_Numerog(dati.Indicazioni), riga.IndicazioniMostrate, riga.IndicazioniFinali);

    if (dati.Provvisorio && binario && riga.CategoriaFinale != kCategoriaAutobus)
        riga.BinarioFinale = static_cast<std::int16_t>(riga.BinarioFinale + kBinari);
}

}  // namespace ardenvo
