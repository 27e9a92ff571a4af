#include "core/pannelli.h"

#include <gtest/gtest.h>

#include "core/ritardi.h"

namespace ardenvo {
namespace {

using Testi = std::array<std::string, kCelle>;

TEST(Pannelli, DelayAndTimeTexts) {
    const std::pair<std::string, std::string> ritardi[] = {
        {"0", "0"},      {"5", "5"},   {"55", "55"},   {"60", "1'00"}, {"70", "1'10"},
        {"230", "3'50"}, {"65", "65"}, {"240", "240"}, {"-5", "-5"},   {"", ""}};
    for (const auto& [minuti, testo] : ritardi) EXPECT_EQ(Ritardo_Testo(minuti), testo);
    EXPECT_EQ(TestoOra(8, 5), "8:05");
    EXPECT_EQ(TestoOra(0, 0), "0:00");
    EXPECT_EQ(TestoOra(23, 59), "23:59");
}

Treno Bus() {
    return {"2345-2346", "Roma", "Bari", "Autobus", 0, 23, 0, 58, 0, 4, 70, false, "-", 0, ""};
}

TEST(Pannelli, RefreshFormAndRowShowForm) {
    TabellaTreni tabella;
    tabella.fill(TrenoCancellato());
    tabella[0] = Bus();
    tabella[1] = Bus();
    tabella[1].NumeroTreno = "77";
    tabella[1].Categoria = "Regionale";
    tabella[1].Ritardo = 0;
    StatoPannelli p;
    Aggiorna_Partenze(tabella, 0, p);
    EXPECT_EQ(p.Righe[1].Testi, (Testi{"2345", "Roma", "Autobus", "1'10", "23:58", "1:08", "BUS"}));
    EXPECT_EQ(p.Righe[2].Testi, (Testi{"77", "Roma", "Regionale", "0", "23:58", "23:58", "4"}));
    EXPECT_EQ(std::tie(tabella[0].OraEffettiva, tabella[0].MinutoEffettivo), std::tuple(1, 8));
    Aggiorna_Arrivi(tabella, 0, p);
    EXPECT_EQ(p.Righe[9].Testi[1], "Bari");
    EXPECT_EQ(p.Righe[9].Tooltip, "Bari");
    EXPECT_EQ(p.Righe[8].Testi[1], "Provenienza");

    Mostra_Riga_Partenza(p, 1, tabella[0]);
    EXPECT_EQ(p.Righe[1].Testi,
              (Testi{"2345-2346", "Roma", "Autobus", "70", "23:58", "1:08", "4"}));
    Mostra_Riga_Arrivo(p, 15, tabella[6]);  // a cleared record shows its fields
    EXPECT_EQ(p.Righe[15].Testi, (Testi{"0", "", "0", "0", "0:00", "0:00", "0"}));
    EXPECT_EQ(p.Righe[0], StatoPannelli().Righe[0]);  // headers are never written
}

TEST(Pannelli, BlankRowsFlaggedRowsAndTooltips) {
    TabellaTreni tabella;
    tabella.fill(TrenoCancellato());
    for (int i = 0; i < 3; ++i) {
        tabella[i] = Bus();
        tabella[i].Destinazione = "D" + std::to_string(i);
    }
    StatoPannelli p;
    Aggiorna_Partenze(tabella, 0, p);
    for (int riga = 4; riga <= 7; ++riga) {
        EXPECT_EQ(p.Righe[riga].Testi, Testi{});
        EXPECT_EQ(p.Righe[riga].Tooltip, "");
    }
    // A flagged record's row belongs to the blink; its tooltip still follows the table.
    tabella[1].PartenzaCinqueMinuti = true;
    tabella[1].Destinazione = "Nuova";
    Nascondi_Riga(p, 2);
    Aggiorna_Partenze(tabella, 0, p);
    EXPECT_EQ(p.Righe[2].Testi[1], "D1");
    EXPECT_EQ(p.Righe[2].Tooltip, "Nuova");
    EXPECT_FALSE(p.Righe[2].Visibile);
    // From another first record: rows follow it, tooltips stay on records 0..6.
    tabella[1].PartenzaCinqueMinuti = false;
    Aggiorna_Partenze(tabella, 2, p);
    EXPECT_EQ(p.Righe[1].Testi[1], "D2");
    EXPECT_EQ(p.Righe[1].Tooltip, "D0");
    EXPECT_EQ(p.Righe[2].Testi, Testi{});
    Mostra_Riga_Partenza(p, 2, tabella[1]);
    EXPECT_TRUE(p.Righe[2].Visibile);
}

}  // namespace
}  // namespace ardenvo
