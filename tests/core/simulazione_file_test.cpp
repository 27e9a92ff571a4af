#include "core/simulazione_file.h"

#include <gtest/gtest.h>

#include "core/aiuti_file.h"

namespace ardenvo {
namespace {

// clang-format off
const Treno kPartenza{"512", "Roma", "", "Intercity", 0, 13, 14, 58, 8, 3, 10, true,
                      "Firenze,Arezzo,.", 2, "Carrozza ristorante"};
const Treno kArrivo{"611", "", "Bologna", "Regionale", 0, 14, 14, 20, 20, 5, 0, false, "-", 0,
                    "Treno storico"};
// clang-format on

TEST(FileSimulazione, TheExampleWrittenByteForByteReadBackAndBroken) {
    const std::string esempio = prova::FileDati("esempio.vkz");
    Orario o;
    o.NomeStazione = "Centrale";
    o.NumeroBinari = 12;
    o.NumeroPartenze = o.NumeroArrivi = 1;
    o.Partenze[0] = kPartenza;
    o.Arrivi[0] = kArrivo;
    EXPECT_EQ(CodificaTesto(ScriviSimulazione(o, {14, 3, 27})), esempio);
    const Esito<OrarioLetto> letto = LeggiSimulazione(esempio);
    ASSERT_TRUE(letto) << letto.Errore().Messaggio();
    EXPECT_EQ(letto.Valore(),
              (OrarioLetto{{kPartenza}, {kArrivo}, true, "Centrale", 12, {14, 3, 27}}));

    // Tables come back reversed, and a value is all the text after the first "= ".
    o.NumeroPartenze = 3;
    o.Partenze = {kPartenza, kPartenza, kPartenza};
    o.Partenze[1].Note = "Posti = 40= liberi";
    o.Partenze[2].Destinazione = "Łódź";  // takes the file to UTF-8
    const std::string byte = CodificaTesto(ScriviSimulazione(o, {23, 59, 59}));
    EXPECT_EQ(LeggiSimulazione(byte).Valore().Partenze,
              (std::vector<Treno>{o.Partenze[2], o.Partenze[1], o.Partenze[0]}));

    const auto con = [&](std::string_view da, std::string_view a) {
        std::string file = esempio;
        return file.replace(file.find(da), da.size(), a);
    };
    const std::pair<std::string, std::string> casi[] = {
        // an empty message: the file loads
        {"# commento\r\n" + esempio, "9 Manca \"= \" alla riga 1: \"# commento\""},
        {con("14.3.27", "14.3"), "9 Orario senza ore, minuti e secondi alla riga 2: \"14.3\""},
        {con("14.3.27", "14.3.60"), "380 Secondo fuori intervallo (0-59) alla riga 2: \"14.3.60\""},
        {con("= 14.20", "= 14.75"), "380 Minuto fuori intervallo (0-59) alla riga 29: \"14.75\""},
        {con("= 12", "= 24"), "381 Numero di binari oltre 23 alla riga 3: \"24\""},
        {esempio.substr(0, esempio.rfind("Partenza < 5")),
         "62 Fine del file inattesa alla riga 37"},
        {con("\r\n\r\nProssimo treno:\r\nTipologia di treno = 1",
             "\r\n# x\r\nstray\r\nProssimo treno:\r\nTipologia di treno = 7"),
         ""},
        {"", ""}};
    for (const auto& [file, messaggio] : casi) {
        const Esito<OrarioLetto> letto = LeggiSimulazione(file);
        EXPECT_EQ(letto ? "" : letto.Errore().Messaggio(), messaggio) << file;
    }
    EXPECT_TRUE(LeggiSimulazione(casi[6].first).Valore().Arrivi.empty());

    // No more than 1001 trains per table.
    o = Orario();
    o.NumeroPartenze = o.NumeroArrivi = kPostiTabella;
    const std::string pieno = ScriviSimulazione(o, {});
    ASSERT_TRUE(LeggiSimulazione(pieno));
    const std::size_t p = esempio.find("\r\n\r\nP") + 2, a = esempio.rfind("\r\n\r\nP") + 2;
    EXPECT_EQ(LeggiSimulazione(pieno + esempio.substr(p, a - p)).Errore().Numero(), 382);
    EXPECT_EQ(LeggiSimulazione(pieno + esempio.substr(a)).Errore().Numero(), 383);
}

}  // namespace
}  // namespace ardenvo
