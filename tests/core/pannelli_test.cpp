#include "core/pannelli.h"

#include <gtest/gtest.h>

#include "core/codici.h"
#include "core/convertitori.h"
#include "core/fermate.h"
#include "core/ritardi.h"

namespace ardenvo {
namespace {

using Testi = std::array<std::string, kCelle>;

TEST(Pannelli, RefreshFormAndRowShowForm) {
    const std::pair<std::string, std::string> ritardi[] = {
        {"55", "55"}, {"60", "1'00"}, {"230", "3'50"}, {"65", "65"}, {"-5", "-5"}, {"", ""}};
    for (const auto& [minuti, testo] : ritardi) EXPECT_EQ(Ritardo_Testo(minuti), testo);
    TabellaTreni tabella;
    tabella.fill(TrenoCancellato());
    const Treno bus{"2345-6", "Roma", "Bari", "Autobus", 0, 23, 0, 0, 0, 4, 70, false, "-", 0, ""};
    tabella[0] = tabella[1] = bus;
    std::tie(tabella[1].NumeroTreno, tabella[1].Categoria, tabella[1].Ritardo) =
        std::tuple("77", "Regionale", 0);
    StatoPannelli p;
    Aggiorna_Partenze(tabella, 0, p);
    EXPECT_EQ(p.Righe[1].Testi, (Testi{"2345", "Roma", "Autobus", "1'10", "23:00", "0:10", "BUS"}));
    EXPECT_EQ(p.Righe[2].Testi, (Testi{"77", "Roma", "Regionale", "0", "23:00", "23:00", "4"}));
    EXPECT_EQ(std::tie(tabella[0].OraEffettiva, tabella[0].MinutoEffettivo), std::tuple(0, 10));
    EXPECT_EQ(std::tie(p.Righe[3].Testi, p.Righe[3].Tooltip), std::tuple(Testi{}, ""));
    Aggiorna_Arrivi(tabella, 0, p);
    EXPECT_EQ(std::tie(p.Righe[9].Testi[1], p.Righe[9].Tooltip, p.Righe[8].Testi[1]),
              std::tuple("Bari", "Bari", "Provenienza"));

    Mostra_Riga_Partenza(p, 1, tabella[0]);
    EXPECT_EQ(p.Righe[1].Testi, (Testi{"2345-6", "Roma", "Autobus", "70", "23:00", "0:10", "4"}));
    Mostra_Riga_Arrivo(p, 15, tabella[6]);  // a cleared record shows its fields
    EXPECT_EQ(p.Righe[15].Testi, (Testi{"0", "", "0", "0", "0:00", "0:00", "0"}));
    EXPECT_EQ(p.Righe[0], StatoPannelli().Righe[0]);  // headers are never written
}

// -1 stands for a text that is refused.
void Controlla(std::optional<std::int16_t> (*converti)(std::string_view),
               std::initializer_list<std::pair<std::string_view, int>> casi) {
    for (auto [testo, atteso] : casi)
        EXPECT_EQ(converti(testo).value_or(-1), atteso) << '"' << testo << '"';
}

TEST(Convertitori, AcceptWholeExactTextsOnly) {
    Controlla(Lettera_Numero,
              {{" ", 0}, {"l", 11}, {"*", 29}, {"", -1}, {"k", -1}, {"\xC3\xA8", -1}});
    Controlla(Categoria_Numero, {{"", 0}, {"Intercity Notte", 10}, {"diretto", -1}});
    Controlla(Categoria_Numero, {{"Diretto ", -1}, {"Autobus", -1}});
    Controlla(Ritardo_Numero, {{"55", 55}, {"1'00", 60}, {"3'50", 230}, {"", -1}, {"60", -1}});
    Controlla(Ritardo_Numero, {{"4'00", -1}, {"1'05", -1}});
    Controlla(Indicazioni_Numero, {{"", 0}, {"Nessuna", 0}, {"Sola 2a classe + Cuccette", 9}});
    Controlla(Indicazioni_Numero,
              {{"Sola 2a Classe + Cuccette", -1}, {"Autobus (Piazzale Esterno)", -1}});
    EXPECT_EQ(Numero_Indicazioni(9), "Sola 2a classe + Cuccette");
    for (int fuori : {-1, 10}) EXPECT_EQ(Numero_Indicazioni(fuori), std::nullopt);
}

TEST(Convertitori, CentralBoardsKnowTheWholeListsWithTheSameRules) {
    // Every name of the shared lists converts to its own position: no list is shortened.
    for (std::size_t i = 0; i < ElencoCategorie.size(); ++i)
        EXPECT_EQ(Categoria_Numerog(ElencoCategorie[i]), static_cast<int>(i));
    for (std::size_t i = 0; i < ElencoIndicazioni.size(); ++i)
        EXPECT_EQ(Indicazioni_Numerog(ElencoIndicazioni[i]), static_cast<int>(i));
    Controlla(Categoria_Numerog, {{"Autobus", 11}, {"", 0}, {"autobus", -1}, {"Autobus ", -1}});
    Controlla(Indicazioni_Numerog, {{"Autobus (Piazzale Esterno)", 10}, {"", 0}, {"Nessuna", 0}});
    Controlla(Indicazioni_Numerog,
              {{"Sola 2a Classe + Cuccette", -1}, {"Sola 2a classe + Cuccette", 9}});
    // Letters and delays go through the platform boards' converters: the texts that miss there.
    Controlla(Lettera_Numero, {{"a", 1}, {"z", 25}, {"k", -1}, {"7", -1}, {"A", -1}, {"", -1}});
    Controlla(Ritardo_Numero, {{"1'30", 90}, {"", -1}, {"60", -1}});
}

TEST(ElencoFermate, EntriesUpToTheClosingDotAndNoMoreThan101) {
    using Elenco = std::vector<std::string>;
    const std::pair<std::string, Elenco> casi[] = {
        {"-", {"Nessuna Fermata"}},
        {"", {}},
        {".,Roma", {}},
        {"Roma,Napoli", {"Roma", "Napoli"}},  // no closing entry: all of them
        {" Roma , ,,Napoli,", {" Roma ", " ", "", "Napoli", ""}},
        {"Roma,..,. ,.", {"Roma", "..", ". "}},  // only an entry of exactly "." closes
        {"-,.", {"-"}}};
    for (const auto& [testo, atteso] : casi) EXPECT_EQ(ElencoFermate(testo), atteso) << testo;
    std::string lunga;
    for (int i = 0; i < 150; ++i) lunga += "F" + std::to_string(i) + ",";
    EXPECT_EQ(ElencoFermate(lunga).size(), 101u);
    EXPECT_EQ(ElencoFermate(lunga).at(100), "F100");
}

}  // namespace
}  // namespace ardenvo
