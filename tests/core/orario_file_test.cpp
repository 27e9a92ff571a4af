#include "core/orario_file.h"

#include <gtest/gtest.h>

#include "core/aiuti_file.h"

namespace ardenvo {
namespace {

Esito<OrarioLetto> Leggi(std::string_view byte, std::vector<double> estrazioni = {0.0}) {
    prova::SorgenteFissa sorgente(std::move(estrazioni));
    EstrattoreRitardi estrattore(sorgente);
    return LeggiOrario(byte, estrattore);
}

TEST(LetturaOrario, EveryRecordTypeAndWhatIsNoRecord) {
    const std::string crlf = prova::FileDati("stazione_prova.vkd");
    // Draws 0 (class 0), 1000 of 10000 (class 4: no delay), 9000 (200 minutes, both halves).
    const Esito<OrarioLetto> letto = Leggi(crlf, {0.0, 0.1, 0.9});
    ASSERT_TRUE(letto) << letto.Errore().Messaggio();
    const OrarioLetto& o = letto.Valore();
    EXPECT_EQ(std::tie(o.NomeStazione, o.NumeroBinari), std::tuple("Borgo Sereno", 3));
    EXPECT_EQ(o.orologio, (Orologio{6, 45, 0}));
    // Ignored positions, comments, false markers and type 3 leave these four records.
    const std::vector<Treno> partenze = {
        {"2345-2346", "Milano Centrale", "", "Intercity", 0, 7, 7, 5, 5, 2, 0, false,
         "Lodi,Piacenza,.", 0, "Carrozza = ristorante= chiusa"},
        {"900", "Roma", "", "Autobus", 4, 23, 3, 58, 18, 1, 200, false, "-", 2, ""}};
    const std::vector<Treno> arrivi = {
        {"611", "", "Bologna", "Regionale", 4, 7, 7, 5, 5, 7, 0, false, "", 4, "Treno storico"},
        {"900", "", "Torino", "Autobus", 4, 23, 3, 50, 10, 1, 200, false, "", 2, ""}};
    EXPECT_EQ(o.Partenze, partenze);
    EXPECT_EQ(o.Arrivi, arrivi);

    std::string cr = crlf, lf = crlf;
    std::erase(cr, '\n');
    std::erase(lf, '\r');
    EXPECT_EQ(Leggi(cr, {0.0, 0.1, 0.9}).Valore(), o);
    EXPECT_EQ(Leggi(lf, {0.0, 0.1, 0.9}).Valore(), o);
    EXPECT_EQ(Leggi("Stazione = Citt\xE0\nO = 1.0\nN = 1\n\n").Valore().NomeStazione, "Città");
}

// A valid one-departure file whose lines the cases below replace or cut.
const std::vector<std::string> kBase = {"Stazione = S",
                                        "Ora = 8.00",
                                        "Numero binari = 3",
                                        "Prossimo treno:",
                                        "Tipo = 0",
                                        "Numero = 1",
                                        "Dest = Roma",
                                        "-",
                                        "Categoria = Regionale",
                                        "-",
                                        "Partenza = 8.30",
                                        "Binario = 2",
                                        "Classe = 0",
                                        "Fermate = -",
                                        "Indicazioni = -",
                                        "Note = n"};

std::string Variante(std::size_t riga, const std::string& testo, std::size_t righe = 16) {
    std::string out;
    for (std::size_t i = 1; i <= righe; ++i) out += (i == riga ? testo : kBase[i - 1]) + "\r\n";
    return out;
}

TEST(LetturaOrario, WhatFailsAndWhatIsTaken) {
    const std::pair<std::string, std::string> casi[] = {
        // an empty message: the file loads
        {Variante(12, "Binario = 8,30"), "13 Valore non numerico alla riga 12: \"8,30\""},
        {Variante(12, "B = 40000"),
         "6 Numero fuori intervallo (-32768..32767) alla riga 12: \"40000\""},
        {Variante(11, "Partenza = 830"), "9 Orario senza \".\" alla riga 11: \"830\""},
        {Variante(11, "Partenza = 24.00"),
         "380 Ora fuori intervallo (0-23) alla riga 11: \"24.00\""},
        {Variante(11, "Partenza = 8.60"),
         "380 Minuto fuori intervallo (0-59) alla riga 11: \"8.60\""},
        {Variante(2, "Ora = -1.00"), "380 Ora fuori intervallo (0-23) alla riga 2: \"-1.00\""},
        {Variante(3, "N = 24"), "381 Numero di binari oltre 23 alla riga 3: \"24\""},
        {Variante(7, ""), "9 Manca \"= \" alla riga 7: \"\""},
        {Variante(15, "Indicazioni = x"), "13 Valore non numerico alla riga 15: \"x\""},
        {Variante(0, "", 1), "62 Fine del file inattesa alla riga 2"},
        {Variante(0, "", 3), "62 Fine del file inattesa alla riga 4"},  // right after the header
        {Variante(0, "", 10), "62 Fine del file inattesa alla riga 11"},
        {Variante(3, "N = -3"), ""},
        {Variante(2, "Ora = 08.30.15"), ""},
        {Variante(8, ""), ""},
        {Variante(5, "Tipo = 3"), ""},
        {"", ""},
    };
    for (const auto& [file, messaggio] : casi) {
        const Esito<OrarioLetto> letto = Leggi(file);
        EXPECT_EQ(letto ? "" : letto.Errore().Messaggio(), messaggio) << file;
    }
    EXPECT_EQ(Leggi(Variante(3, "N = -3")).Valore().NumeroBinari, -3);
    EXPECT_EQ(Leggi(Variante(2, "Ora = 08.30.15")).Valore().orologio, (Orologio{8, 30, 0}));
    EXPECT_TRUE(Leggi(Variante(5, "Tipo = 3")).Valore().Partenze.empty());
    EXPECT_FALSE(Leggi("").Valore().IntestazioneLetta);
}

TEST(LetturaOrario, FullTablesHold1001AndNoMore) {
    const std::string completo = LeggiFile(ARDENVO_ORARIO_COMPLETO).Valore();
    const Esito<OrarioLetto> letto = Leggi(completo, {0.37, 0.91, 0.55});
    ASSERT_TRUE(letto) << letto.Errore().Messaggio();
    EXPECT_EQ(letto.Valore().Partenze.size(), 1001u);
    EXPECT_EQ(letto.Valore().Arrivi.size(), 1001u);
    const std::string record = "\r\n" + Variante(0, "").substr(Variante(0, "", 3).size());
    const std::pair<std::string, int> casi[] = {
        {"Tipo = 0", 382}, {"Tipo = 2", 382}, {"Tipo = 1", 383}};
    for (const auto& [tipo, numero] : casi) {
        std::string file = completo + record;
        file.replace(file.rfind("Tipo = 0"), 8, tipo);
        EXPECT_EQ(Leggi(file).Errore().Numero(), numero) << tipo;
    }
}

}  // namespace
}  // namespace ardenvo
