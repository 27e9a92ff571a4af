#include "core/orario_file.h"

#include <gtest/gtest.h>

#include "core/aiuti_file.h"

namespace ardenvo {
namespace {

Esito<OrarioLetto> Leggi(std::string_view byte, std::vector<double> estrazioni = {0.0}) {
    prova::SorgenteFissa sorgente(std::move(estrazioni));
    EstrattoreRitardi estrattore(sorgente);
    return LeggiOrario(byte, "prova.vkd", estrattore);
}

// A valid one-departure file whose lines the cases below replace or cut.
constexpr std::string_view kBase =
    "Stazione = S|Ora = 8.00|Numero binari = 3|Prossimo treno:|Tipo = 0|Numero = 1|Dest = Roma|-|"
    "Categoria = IC|-|Partenza = 8.30|Binario = 2|Classe = 0|Fermate = -|Indicazioni = -|Note = n";

// The file with line `riga` replaced by `testo`, or cut after -`riga` lines.
std::string Variante(int riga, std::string_view testo = "") {
    const std::vector<std::string_view> base = Dividi(kBase, "|");
    std::string out;
    for (int i = 1; i <= (riga < 0 ? -riga : 16); ++i)
        out.append(i == riga ? testo : base[i - 1]) += "\r\n";
    return out;
}

TEST(LetturaOrario, EveryRecordTypeWhatIsNoRecordAndWhatFails) {
    const std::string crlf = prova::FileDati("stazione_prova.vkd");
    // Draws 0 (class 0), 1000 of 10000 (class 4: no delay), 9000 (200 minutes, both halves).
    const Esito<OrarioLetto> letto = Leggi(crlf, {0.0, 0.1, 0.9});
    ASSERT_TRUE(letto) << letto.Errore().Messaggio();
    const OrarioLetto& o = letto.Valore();
    EXPECT_EQ(std::tie(o.NomeStazione, o.NumeroBinari, o.orologio),
              std::tuple("Borgo Sereno", 3, Orologio{6, 45, 0}));
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
    EXPECT_EQ(Leggi(Variante(-10)).Errore().Messaggio(),
              "62 Fine del file inattesa alla riga 11 di \"prova.vkd\"");
    // -3: the file ends right after the header. Number 0: the file loads.
    const std::tuple<int, const char*, int> casi[] = {
        {12, "B = 8,30", 13},  {12, "B = 40000", 6},  {11, "P = 830", 9},    {11, "P = 24.00", 380},
        {11, "P = 8.60", 380}, {2, "O = -1.00", 380}, {3, "N = 24", 381},    {7, "", 9},
        {-3, "", 62},          {3, "N = -3", 0},      {2, "O = 8.30.15", 0}, {8, "", 0},
        {5, "Tipo = 3", 0}};
    for (const auto& [riga, testo, numero] : casi) {
        const Esito<OrarioLetto> letto = Leggi(Variante(riga, testo));
        EXPECT_EQ(letto ? 0 : letto.Errore().Numero(), numero) << riga << " " << testo;
    }
    EXPECT_EQ(Leggi(Variante(3, "N = -3")).Valore().NumeroBinari, -3);
    EXPECT_EQ(Leggi(Variante(2, "O = 8.30.15")).Valore().orologio, (Orologio{8, 30, 0}));
    EXPECT_TRUE(Leggi(Variante(5, "Tipo = 3")).Valore().Partenze.empty());
    EXPECT_FALSE(Leggi("").Valore().IntestazioneLetta);

    // Full tables hold 1001 trains and no more.
    const std::string completo = LeggiFile(ARDENVO_ORARIO_COMPLETO).Valore();
    const Esito<OrarioLetto> pieno = Leggi(completo, {0.37, 0.91, 0.55});
    ASSERT_TRUE(pieno) << pieno.Errore().Messaggio();
    EXPECT_EQ(pieno.Valore().Partenze.size() + pieno.Valore().Arrivi.size(), 2002u);
    for (const auto& [tipo, numero] : {std::pair("0", 382), {"2", 382}, {"1", 383}}) {
        const std::string record =
            Variante(5, std::string("Tipo = ") + tipo).substr(Variante(-3).size());
        EXPECT_EQ(Leggi(completo + "\r\n" + record).Errore().Numero(), numero) << tipo;
    }
}

}  // namespace
}  // namespace ardenvo
