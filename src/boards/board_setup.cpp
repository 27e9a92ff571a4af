#include "boards/board_setup.h"

namespace ardenvo {

std::optional<CellaGriglia> CellaDelBinario(int binario) {
    if (binario < 1 || binario > kBinari) return std::nullopt;
    if (binario <= 3) return CellaGriglia{1, binario};
    return CellaGriglia{(binario - 4) / 4 + 2, (binario - 4) % 4 + 1};
}

PuntoTwip OrigineCella(CellaGriglia cella) {
    return {(cella.Colonna - 1) * kPassoColonne, (cella.Linea - 1) * kPassoLinee};
}

std::optional<NomiBinario> NomiControlliBinario(int binario) {
    if (binario < 1 || binario > kBinari) return std::nullopt;
    const std::string numero = std::to_string(binario);
    return NomiBinario{"binario" + numero,     "categoria" + numero,   "ritardomin" + numero,
                       "partenzaora" + numero, "partenzamin" + numero, "indicazioni" + numero};
}

void SvuotaRigaAllAvvio(RigaBinario& riga) {
    riga.CodiciLettere.fill(0);
    riga.CodiciLettereFinali.fill(0);
    riga.CodiceIndicazioni = 0;
    riga.CodiceCategoria = 0;
    riga.RitardoMinuti = riga.RitardoMinutiFinale = 0;
    riga.OraPartenza = riga.OraPartenzaFinale = OraVuota;
    riga.MinutoPartenza = riga.MinutoPartenzaFinale = MinutoVuoto;
    riga.RigaLibera = true;
}

}  // namespace ardenvo
