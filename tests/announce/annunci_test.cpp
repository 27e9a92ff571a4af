#include "announce/annunci.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "announce/voce_registrata.h"
#include "core/ritardi.h"

namespace ardenvo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using Annuncio = void (*)(const Treno&, MotoreVoce&);

std::vector<std::string> Testi(Annuncio annuncio, const Treno& t) {
    VoceRegistrata voce;
    annuncio(t, voce);
    return voce.testi;
}

Treno Record(const char* numero, const char* categoria, int ora, int minuto, int binario) {
    Treno t;
    t.NumeroTreno = numero;
    t.Categoria = categoria;
    t.Ora = static_cast<std::int16_t>(ora);
    t.Minuto = static_cast<std::int16_t>(minuto);
    t.Binario = static_cast<std::int16_t>(binario);
    // The effective time is never spoken.
    t.OraEffettiva = t.MinutoEffettivo = 59;
    t.FermateSuccessive = "-";
    return t;
}

Treno Partenza(const char* categoria = "Intercity") {
    Treno t = Record("512", categoria, 8, 5, 3);
    t.Destinazione = "Roma";
    return t;
}

Treno Arrivo(const char* categoria = "Regionale") {
    Treno t = Record("611", categoria, 14, 20, 12);
    t.Provenienza = "Bologna";
    return t;
}

const Annuncio kPartenza = Annuncio_Partenza, kArrivo = Annuncio_Arrivo,
               kRitardoPartenza = Annuncio_Ritardo_Partenza,
               kRitardoArrivo = Annuncio_Ritardo_Arrivo;

TEST(Annunci, EveryButtonIsSilentBeforeAnyTimetableIsLoaded) {
    Orario orario;
    Cancella_Orario(orario);
    VoceRegistrata voce;
    for (int i = 0; i < 7; ++i) {
        Annuncio_Partenza(orario.Partenze[i], voce);
        Annuncio_Ritardo_Partenza(orario.Partenze[i], voce);
        Annuncio_Arrivo(orario.Arrivi[i], voce);
        Annuncio_Ritardo_Arrivo(orario.Arrivi[i], voce);
    }
    EXPECT_THAT(voce.testi, IsEmpty());
}

TEST(Annunci, SilentCases) {
    Treno senzaDestinazione = Partenza();
    senzaDestinazione.Destinazione.clear();
    senzaDestinazione.Provenienza = "Bologna";  // a departure needs its destination alone
    senzaDestinazione.Ritardo = 10;

    Treno arrivoVuoto = Arrivo();
    arrivoVuoto.Provenienza.clear();
    arrivoVuoto.Ritardo = 10;

    Treno busVuoto = Partenza("Autobus");
    busVuoto.Destinazione.clear();
    busVuoto.Ritardo = 5;

    struct Caso {
        const char* nome;
        Annuncio annuncio;
        Treno treno;
    };
    const Caso casi[] = {
        {"departure without destination", kPartenza, senzaDestinazione},
        {"departure delay without destination", kRitardoPartenza, senzaDestinazione},
        {"arrival without origin or destination", kArrivo, arrivoVuoto},
        {"arrival delay without origin or destination", kRitardoArrivo, arrivoVuoto},
        {"bus departure without destination", kPartenza, busVuoto},
        {"departure delay on time", kRitardoPartenza, Partenza()},
        {"arrival delay on time", kRitardoArrivo, Arrivo()},
        {"bus departure delay on time", kRitardoPartenza, Partenza("Autobus")},
        {"bus arrival delay on time", kRitardoArrivo, Arrivo("Autobus")},
    };
    for (const Caso& c : casi) EXPECT_THAT(Testi(c.annuncio, c.treno), IsEmpty()) << c.nome;
}

TEST(Annunci, DepartureSpeaksOneToThreeTexts) {
    const std::string frase = "Intercity 512 per: Roma delle ore 8 5, è in partenza dal binario 3 ";
    Treno inOrario = Partenza();
    EXPECT_THAT(Testi(kPartenza, inOrario), ElementsAre(frase));

    Treno conFermate = Partenza();
    conFermate.FermateSuccessive = "Firenze,Arezzo,.";
    EXPECT_THAT(Testi(kPartenza, conFermate), ElementsAre(frase, ", ferma a Firenze,Arezzo,."));

    Treno completo = conFermate;
    completo.Ritardo = 70;
    EXPECT_THAT(Testi(kPartenza, completo),
                ElementsAre(frase, ", viaggia con un ritardo di un'ora e 10 minuti",
                            ", ferma a Firenze,Arezzo,."));

    // Only the exact "-" means no stops.
    Treno fermateVuote = Partenza();
    fermateVuote.FermateSuccessive = "";
    EXPECT_THAT(Testi(kPartenza, fermateVuote), ElementsAre(frase, ", ferma a "));
}

TEST(Annunci, TrainSentences) {
    Treno numeroComposto = Partenza("Regionale");
    numeroComposto.NumeroTreno = "2310-A";
    numeroComposto.Ora = 0;
    numeroComposto.Minuto = 0;
    numeroComposto.Binario = 14;

    Treno arrivoInRitardo = Arrivo("Eurocity");
    arrivoInRitardo.Ritardo = 65;  // no draw gives it: spoken as digits alone

    Treno arrivoSenzaProvenienza = Arrivo();
    arrivoSenzaProvenienza.Provenienza.clear();
    arrivoSenzaProvenienza.Destinazione = "Lecce";

    Treno partenzaInRitardo = Partenza("Euronight");
    partenzaInRitardo.Ritardo = 150;
    partenzaInRitardo.FermateSuccessive = "Firenze,.";

    Treno arrivoNotte = Arrivo("Intercity Notte");
    arrivoNotte.Ora = 23;
    arrivoNotte.Minuto = 59;
    arrivoNotte.Ritardo = 5;

    struct Caso {
        Annuncio annuncio;
        Treno treno;
        std::string atteso;
    };
    const Caso casi[] = {
        {kPartenza, numeroComposto,
         "Regionale 2310-A per: Roma delle ore 0 0, è in partenza dal binario 14 "},
        {kArrivo, Arrivo(),
         "Regionale 611 proveniente da: Bologna delle ore 14 20, è in arrivo al binario 12 "},
        {kArrivo, arrivoInRitardo,
         "Eurosity 611 proveniente da: Bologna delle ore 14 20, è in arrivo al binario 12 , "
         "viaggia con un ritardo di 65"},
        {kArrivo, arrivoSenzaProvenienza,
         "Regionale 611 proveniente da:  delle ore 14 20, è in arrivo al binario 12 "},
        {kRitardoArrivo, arrivoNotte,
         "Il treno Intercity Notte 611 proveniente da: Bologna delle ore 23 59, subirà un "
         "ritardo di 5 minuti"},
        {kRitardoArrivo, arrivoInRitardo,
         "Il treno Eurosity 611 proveniente da: Bologna delle ore 14 20, subirà un ritardo di "
         "65"},
        {kRitardoPartenza, partenzaInRitardo,
         "il treno Euronaight 512 per: Roma delle ore 8 5, partirà con un ritardo di 2 ore e 30 "
         "minuti"},
    };
    for (const Caso& c : casi) EXPECT_THAT(Testi(c.annuncio, c.treno), ElementsAre(c.atteso));
}

TEST(Annunci, OnlyTheTwoExactCategoryNamesAreRespelt) {
    const std::pair<const char*, const char*> casi[] = {
        {"Eurocity", "Eurosity"},   {"Euronight", "Euronaight"},
        {"EuroCity", "EuroCity"},   {"eurocity", "eurocity"},
        {"EURONIGHT", "EURONIGHT"}, {"Eurocity ", "Eurocity "},
        {"Eurostar", "Eurostar"},   {"", ""},
    };
    for (auto [categoria, parola] : casi) {
        const auto testi = Testi(kPartenza, Partenza(categoria));
        ASSERT_EQ(testi.size(), 1u);
        EXPECT_EQ(testi[0].substr(0, testi[0].find(" 512 ")), parola) << categoria;
    }
}

TEST(Annunci, ReplacementBusSentences) {
    auto bus = [](Treno t, int ritardo) {
        t.NumeroTreno = "9012-B";
        t.Ritardo = static_cast<std::int16_t>(ritardo);
        t.FermateSuccessive = "Arezzo,Chiusi,.";  // never spoken for a bus
        return t;
    };
    Treno arrivoSenzaProvenienza = bus(Arrivo("Autobus"), 0);
    arrivoSenzaProvenienza.Provenienza.clear();
    arrivoSenzaProvenienza.Destinazione = "Lecce";

    struct Caso {
        Annuncio annuncio;
        Treno treno;
        std::string atteso;
    };
    const Caso casi[] = {
        {kPartenza, bus(Partenza("Autobus"), 0),
         "Autobus sostitutivo 9012-B per Roma, è in partenza dal piazzale esterno alla stazione "},
        {kPartenza, bus(Partenza("Autobus"), 70),
         "Autobus sostitutivo 9012-B per Roma, è in partenza dal piazzale esterno alla stazione , "
         "viaggia con un ritardo di 70 minuti"},
        {kArrivo, bus(Arrivo("Autobus"), 0),
         "Autobus sostitutivo 9012-B proveniente da Bologna, è in arrivo nel piazzale esterno "
         "alla stazione "},
        {kArrivo, bus(Arrivo("Autobus"), 5),
         "Autobus sostitutivo 9012-B proveniente da Bologna, è in arrivo nel piazzale esterno "
         "alla stazione , viaggia con un ritardo di 5 minuti"},
        {kArrivo, arrivoSenzaProvenienza,
         "Autobus sostitutivo 9012-B proveniente da , è in arrivo nel piazzale esterno alla "
         "stazione "},
        {kRitardoPartenza, bus(Partenza("Autobus"), 120),
         "L'Autobus sostitutivo 9012-B per Roma, subirà un ritardo di 120 minuti"},
        {kRitardoArrivo, bus(Arrivo("Autobus"), 230),
         "L'Autobus sostitutivo 9012-B proveniente da Bologna, subirà un ritardo di 230 minuti"},
        // Reached directly, the bus delay announcements leave the clause out on time.
        {Annuncio_Bus_Ritardo_Partenza, bus(Partenza("Autobus"), 0),
         "L'Autobus sostitutivo 9012-B per Roma"},
        {Annuncio_Bus_Ritardo_Arrivo, bus(Arrivo("Autobus"), 0),
         "L'Autobus sostitutivo 9012-B proveniente da Bologna"},
    };
    for (const Caso& c : casi) EXPECT_THAT(Testi(c.annuncio, c.treno), ElementsAre(c.atteso));
}

TEST(RitardoParlato, EveryBoardDelayHasItsWords) {
    // clang-format off
    const std::pair<const char*, const char*> tabella[] = {
        {"5", "5 minuti"},   {"10", "10 minuti"}, {"15", "15 minuti"}, {"20", "20 minuti"},
        {"25", "25 minuti"}, {"30", "30 minuti"}, {"35", "35 minuti"}, {"40", "40 minuti"},
        {"45", "45 minuti"}, {"50", "50 minuti"}, {"55", "55 minuti"}, {"60", "un'ora"},
        {"70", "un'ora e 10 minuti"},  {"80", "un'ora e 20 minuti"},  {"90", "un'ora e 30 minuti"},
        {"100", "un'ora e 40 minuti"}, {"110", "un'ora e 50 minuti"}, {"120", "2 ore"},
        {"130", "2 ore e 10 minuti"},  {"140", "2 ore e 20 minuti"},  {"150", "2 ore e 30 minuti"},
        {"160", "2 ore e 40 minuti"},  {"170", "2 ore e 50 minuti"},  {"180", "3 ore"},
        {"190", "3 ore e 10 minuti"},  {"200", "3 ore e 20 minuti"},  {"210", "3 ore e 30 minuti"},
        {"220", "3 ore e 40 minuti"},  {"230", "3 ore e 50 minuti"},
    };
    // clang-format on
    for (auto [minuti, parole] : tabella) EXPECT_EQ(Ritardo_Parlato(minuti), parole) << minuti;
}

TEST(RitardoParlato, AnyOtherTextComesBackUnchanged) {
    for (const char* testo :
         {"0", "1", "65", "125", "240", "600", "05", " 5", "5 ", "-5", "1'00", "", "abc"})
        EXPECT_EQ(Ritardo_Parlato(testo), testo);
}

}  // namespace
}  // namespace ardenvo
