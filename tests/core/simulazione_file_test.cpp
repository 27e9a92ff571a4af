#include "core/simulazione_file.h"

#include <gtest/gtest.h>

#include "core/aiuti_file.h"

namespace ardenvo {
namespace {

const Treno kPartenza{"512",
                      "Roma",
                      "",
                      "Intercity",
                      0,
                      13,
                      14,
                      58,
                      8,
                      3,
                      10,
                      true,
                      "Firenze,Arezzo,.",
                      2,
                      "Carrozza ristorante"};
const Treno kArrivo{"611", "",  "Bologna", "Regionale",    0, 14, 14, 20, 20, 5, 0,
                    false, "-", 0,         "Treno storico"};

TEST(FileSimulazione, TheExampleWrittenByteForByteAndReadBack) {
    Orario o;
    o.NomeStazione = "Centrale";
    o.NumeroBinari = 12;
    o.NumeroPartenze = o.NumeroArrivi = 1;
    o.Partenze[0] = kPartenza;
    o.Arrivi[0] = kArrivo;
    const std::string esempio = prova::FileDati("esempio.vkz");
    EXPECT_EQ(CodificaTesto(ScriviSimulazione(o, {14, 3, 27})), esempio);

    const Esito<OrarioLetto> letto = LeggiSimulazione(esempio);
    ASSERT_TRUE(letto) << letto.Errore().Messaggio();
    EXPECT_EQ(letto.Valore(),
              (OrarioLetto{{kPartenza}, {kArrivo}, true, "Centrale", 12, {14, 3, 27}}));

    o.NumeroPartenze = o.NumeroArrivi = 0;
    EXPECT_EQ(ScriviSimulazione(o, {0, 0, 0}),
              "Stazione di = Centrale\r\nOra inizio simulazione = 0.0.0\r\nNumero binari stazione "
              "= 12\r\n");
}

TEST(FileSimulazione, TablesComeBackReversedAndTextsWhole) {
    Orario o;
    o.NumeroPartenze = 3;
    o.Partenze = {kPartenza, kPartenza, kPartenza};
    o.Partenze[1].Note = "Posti = 40= liberi";  // a value is all the text after the first "= "
    o.Partenze[2].Destinazione = "Łódź";        // takes the file to UTF-8
    const std::string byte = CodificaTesto(ScriviSimulazione(o, {23, 59, 59}));
    EXPECT_TRUE(byte.starts_with("\xEF\xBB\xBF"));
    EXPECT_EQ(LeggiSimulazione(byte).Valore().Partenze,
              (std::vector<Treno>{o.Partenze[2], o.Partenze[1], o.Partenze[0]}));
}

TEST(FileSimulazione, WhatFailsAndWhatIsSkipped) {
    const std::string esempio = prova::FileDati("esempio.vkz");
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
        {con("= 10", "= dieci"), "13 Valore non numerico alla riga 11: \"dieci\""},
        {esempio.substr(0, esempio.rfind("Partenza < 5")),
         "62 Fine del file inattesa alla riga 37"},
        {con("\r\n\r\nProssimo treno:\r\nTipologia di treno = 1",
             "\r\n# x\r\nstray\r\nProssimo treno:\r\nTipologia di treno = 7"),
         ""},
        {"", ""},
    };
    for (const auto& [file, messaggio] : casi) {
        const Esito<OrarioLetto> letto = LeggiSimulazione(file);
        EXPECT_EQ(letto ? "" : letto.Errore().Messaggio(), messaggio) << file;
    }
    EXPECT_TRUE(LeggiSimulazione(casi[7].first).Valore().Arrivi.empty());
}

TEST(FileSimulazione, NoMoreThan1001TrainsPerTable) {
    Orario o;
    o.NumeroPartenze = o.NumeroArrivi = kPostiTabella;
    const std::string file = ScriviSimulazione(o, {});
    ASSERT_TRUE(LeggiSimulazione(file));
    const std::size_t primo = file.find("\r\n\r\nProssimo") + 2;
    const std::size_t secondo = file.find("\r\n\r\nProssimo", primo) + 2;
    EXPECT_EQ(LeggiSimulazione(file + file.substr(primo, secondo - primo)).Errore().Numero(), 382);
    EXPECT_EQ(
        LeggiSimulazione(file + file.substr(file.rfind("\r\n\r\nProssimo") + 2)).Errore().Numero(),
        383);
}

}  // namespace
}  // namespace ardenvo
