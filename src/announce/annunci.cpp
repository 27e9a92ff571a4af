#include "announce/annunci.h"

#include "core/codici.h"

namespace ardenvo {
namespace {

const std::string kAutobus = "Autobus";

std::string Cifre(int n) {
    return std::to_string(n);
}

// The engine reads the two international categories the English way only when spelt so.
std::string ParolaCategoria(const std::string& Categoria) {
    if (Categoria == "Euronight") return "Euronaight";
    if (Categoria == "Eurocity") return "Eurosity";
    return Categoria;
}

std::string ParoleRitardo(int minuti) {
    const int ore = minuti / 60;
    const int resto = minuti % 60;
    if (ore == 0) return Cifre(resto) + " minuti";
    std::string parole = ore == 1 ? "un'ora" : Cifre(ore) + " ore";
    if (resto != 0) parole += " e " + Cifre(resto) + " minuti";
    return parole;
}

std::string RitardoParlatoDi(const Treno& t) {
    return Ritardo_Parlato(Cifre(t.Ritardo));
}

// " delle ore 8 5": the scheduled time, never the effective one.
std::string DelleOre(const Treno& t) {
    return " delle ore " + Cifre(t.Ora) + " " + Cifre(t.Minuto);
}

std::string RitardoBus(const Treno& t, const char* clausola) {
    if (t.Ritardo == 0) return {};
    return clausola + Cifre(t.Ritardo) + " minuti";
}

bool Vuoto(const Treno& t) {
    return t.Destinazione.empty() && t.Provenienza.empty();
}

}  // namespace

std::string Ritardo_Parlato(const std::string& Testo) {
    const std::optional<int> i = PosizioneTestoRitardo(Testo);
    if (!i || ElencoRitardi[*i] == 0) return Testo;  // 0 is no delay to put in words
    return ParoleRitardo(ElencoRitardi[*i]);
}

void Annuncio_Partenza(const Treno& P, MotoreVoce& voce) {
    if (P.Destinazione.empty()) return;
    if (P.Categoria == kAutobus) return Annuncio_Bus_Partenza(P, voce);
    voce.Parla(ParolaCategoria(P.Categoria) + " " + P.NumeroTreno + " per: " + P.Destinazione +
               DelleOre(P) + ", è in partenza dal binario " + Cifre(P.Binario) + " ");
    if (P.Ritardo != 0) voce.Parla(", viaggia con un ritardo di " + RitardoParlatoDi(P));
    if (P.FermateSuccessive != "-") voce.Parla(", ferma a " + P.FermateSuccessive);
}

void Annuncio_Arrivo(const Treno& A, MotoreVoce& voce) {
    if (Vuoto(A)) return;
    if (A.Categoria == kAutobus) return Annuncio_Bus_Arrivo(A, voce);
    std::string Annuncio = ParolaCategoria(A.Categoria) + " " + A.NumeroTreno +
                           " proveniente da: " + A.Provenienza + DelleOre(A) +
                           ", è in arrivo al binario " + Cifre(A.Binario) + " ";
    if (A.Ritardo != 0) Annuncio += ", viaggia con un ritardo di " + RitardoParlatoDi(A);
    voce.Parla(Annuncio);
}

void Annuncio_Ritardo_Arrivo(const Treno& A, MotoreVoce& voce) {
    if (Vuoto(A) || A.Ritardo == 0) return;
    if (A.Categoria == kAutobus) return Annuncio_Bus_Ritardo_Arrivo(A, voce);
    voce.Parla("Il treno " + ParolaCategoria(A.Categoria) + " " + A.NumeroTreno +
               " proveniente da: " + A.Provenienza + DelleOre(A) + ", subirà un ritardo di " +
               RitardoParlatoDi(A));
}

void Annuncio_Ritardo_Partenza(const Treno& P, MotoreVoce& voce) {
    if (P.Destinazione.empty() || P.Ritardo == 0) return;
    if (P.Categoria == kAutobus) return Annuncio_Bus_Ritardo_Partenza(P, voce);
    voce.Parla("il treno " + ParolaCategoria(P.Categoria) + " " + P.NumeroTreno + " per: " +
               P.Destinazione + DelleOre(P) + ", partirà con un ritardo di " + RitardoParlatoDi(P));
}

void Annuncio_Bus_Partenza(const Treno& P, MotoreVoce& voce) {
    voce.Parla("Autobus sostitutivo " + P.NumeroTreno + " per " + P.Destinazione +
               ", è in partenza dal piazzale esterno alla stazione " +
               RitardoBus(P, ", viaggia con un ritardo di "));
}

void Annuncio_Bus_Arrivo(const Treno& A, MotoreVoce& voce) {
    voce.Parla("Autobus sostitutivo " + A.NumeroTreno + " proveniente da " + A.Provenienza +
               ", è in arrivo nel piazzale esterno alla stazione " +
               RitardoBus(A, ", viaggia con un ritardo di "));
}

void Annuncio_Bus_Ritardo_Partenza(const Treno& P, MotoreVoce& voce) {
    voce.Parla("L'Autobus sostitutivo " + P.NumeroTreno + " per " + P.Destinazione +
               RitardoBus(P, ", subirà un ritardo di "));
}

void Annuncio_Bus_Ritardo_Arrivo(const Treno& A, MotoreVoce& voce) {
    voce.Parla("L'Autobus sostitutivo " + A.NumeroTreno + " proveniente da " + A.Provenienza +
               RitardoBus(A, ", subirà un ritardo di "));
}

}  // namespace ardenvo
