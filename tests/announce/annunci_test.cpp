#include "announce/annunci.h"

#include <gtest/gtest.h>

#include "announce/voce_registrata.h"

namespace ardenvo {
namespace {

using Annuncio = void (*)(const Treno&, MotoreVoce&);

// 2310-A from Bologna to Roma at 8:05 (9:10 with its delay, never spoken) on platform 14. The
// number is spoken whole although the boards show only its part before the "-".
Treno T(const char* categoria, std::int16_t ritardo = 0, const char* fermate = "-",
        const char* per = "Roma", const char* da = "Bologna") {
    return {"2310-A", per, da, categoria, 0, 8, 9, 5, 10, 14, ritardo, false, fermate, 0, ""};
}

TEST(Annunci, SentencesOfEveryKind) {
    const Treno vuoto = T("0", 10, "-", "", ""), senzaDestinazione = T("Intercity", 10, "-", "");
    const std::string fine = " 2310-A per: Roma delle ore 8 5, è in partenza dal binario 14 ",
                      ic = "Intercity" + fine;
    const std::string bus = "Autobus sostitutivo 2310-A ",
                      esterno = "piazzale esterno alla stazione ";
    const Annuncio Part = Annuncio_Partenza, Arr = Annuncio_Arrivo,
                   RitP = Annuncio_Ritardo_Partenza, RitA = Annuncio_Ritardo_Arrivo;
    // clang-format off
    const std::tuple<Annuncio, Treno, std::vector<std::string>> casi[] = {
        // Silent: a slot behind the last train, a departure without destination, on time.
        {Part, vuoto, {}}, {Arr, vuoto, {}}, {RitP, vuoto, {}}, {RitA, vuoto, {}},
        {Part, senzaDestinazione, {}}, {RitP, senzaDestinazione, {}},
        {Part, T("Autobus", 10, "-", ""), {}},
        {RitP, T("Intercity"), {}}, {RitA, T("Intercity"), {}},
        {RitP, T("Autobus"), {}}, {RitA, T("Autobus"), {}},
        // Departure: the sentence, then the delay and the stops as texts of their own; only
        // the exact "-" means no stops.
        {Part, T("Intercity"), {ic}},
        {Part, T("Intercity", 0, ""), {ic, ", ferma a "}},
        {Part, T("Intercity", 70, "Firenze,."),
         {ic, ", viaggia con un ritardo di un'ora e 10 minuti", ", ferma a Firenze,."}},
        // Only the two exact names are respelt.
        {Part, T("EuroCity"), {"EuroCity" + fine}}, {Part, T("eurocity"), {"eurocity" + fine}},
        {Part, T("EURONIGHT"), {"EURONIGHT" + fine}}, {Part, T("Eurocity "), {"Eurocity " + fine}},
        // 65 is no board delay, so its digits alone are spoken.
        {Arr, T("Eurocity", 70), {"Eurosity 2310-A proveniente da: Bologna delle ore 8 5, è in "
         "arrivo al binario 14 , viaggia con un ritardo di un'ora e 10 minuti"}},
        {Arr, T("Regionale", 0, "-", "Lecce", ""),
         {"Regionale 2310-A proveniente da:  delle ore 8 5, è in arrivo al binario 14 "}},
        {RitA, T("Intercity Notte", 65), {"Il treno Intercity Notte 2310-A proveniente da: "
         "Bologna delle ore 8 5, subirà un ritardo di 65"}},
        {RitP, T("Euronight", 150), {"il treno Euronaight 2310-A per: Roma delle ore 8 5, "
         "partirà con un ritardo di 2 ore e 30 minuti"}},
        // Buses: the forecourt, never the stops, the delay as plain minutes.
        {Part, T("Autobus", 0, "Arezzo,."), {bus + "per Roma, è in partenza dal " + esterno}},
        {Part, T("Autobus", 70, "Arezzo,."), {"Autobus sostitutivo 2310-A per Roma, è in "
         "partenza dal piazzale esterno alla stazione , viaggia con un ritardo di 70 minuti"}},
        {Arr, T("Autobus"), {bus + "proveniente da Bologna, è in arrivo nel " + esterno}},
        {Arr, T("Autobus", 5, "-", "Lecce", ""), {bus + "proveniente da , è in arrivo "
         "nel " + esterno + ", viaggia con un ritardo di 5 minuti"}},
        {RitP, T("Autobus", 120), {"L'" + bus + "per Roma, subirà un ritardo di 120 minuti"}},
        {RitA, T("Autobus", 230), {"L'" + bus + "proveniente da Bologna, subirà un ritardo di "
         "230 minuti"}},
    };
    // clang-format on
    for (const auto& [annuncio, treno, atteso] : casi) {
        VoceRegistrata voce;
        annuncio(treno, voce);
        EXPECT_EQ(voce.testi, atteso);
    }
}

TEST(RitardoParlato, BoardDelaysInWordsAnyOtherTextUnchanged) {
    // clang-format off
    const std::pair<const char*, const char*> tabella[] = {
        {"5", "5 minuti"}, {"10", "10 minuti"}, {"15", "15 minuti"}, {"20", "20 minuti"},
        {"25", "25 minuti"}, {"30", "30 minuti"}, {"35", "35 minuti"}, {"40", "40 minuti"},
        {"45", "45 minuti"}, {"50", "50 minuti"}, {"55", "55 minuti"}, {"60", "un'ora"},
        {"70", "un'ora e 10 minuti"}, {"80", "un'ora e 20 minuti"}, {"90", "un'ora e 30 minuti"},
        {"100", "un'ora e 40 minuti"}, {"110", "un'ora e 50 minuti"}, {"120", "2 ore"},
        {"130", "2 ore e 10 minuti"}, {"140", "2 ore e 20 minuti"}, {"150", "2 ore e 30 minuti"},
        {"160", "2 ore e 40 minuti"}, {"170", "2 ore e 50 minuti"}, {"180", "3 ore"},
        {"190", "3 ore e 10 minuti"}, {"200", "3 ore e 20 minuti"}, {"210", "3 ore e 30 minuti"},
        {"220", "3 ore e 40 minuti"}, {"230", "3 ore e 50 minuti"},
    };
    // clang-format on
    for (auto [minuti, parole] : tabella) EXPECT_EQ(Ritardo_Parlato(minuti), parole) << minuti;
    for (const char* testo : {"0", "65", "125", "240", "05", " 5", "5 ", "-5", "", "abc"})
        EXPECT_EQ(Ritardo_Parlato(testo), testo);
}

}  // namespace
}  // namespace ardenvo
