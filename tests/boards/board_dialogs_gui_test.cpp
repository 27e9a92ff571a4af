#include <gtest/gtest.h>

#include <QComboBox>
#include <QTimer>

#include "boards/delay_dialog.h"
#include "boards/insert_dialog.h"
#include "mainwindow/form1_prova.h"

namespace ardenvo {
namespace {

using DialoghiBinari = Form1Test;

// Five boards, 2 and 4 taken: the dialog offers the free ones, and "Ok" makes the entries the
// chosen board's final codes, which it turns to from blank letters and from hour and minute 0.
TEST_F(DialoghiBinari, InsertOkPutsTheTrainOnTheChosenFreeBoardAndCloses) {
    form->show();
    sim().orario.NumeroBinari = 5;
    sim().binari[1].RigaLibera = sim().binari[3].RigaLibera = false;
    const std::tuple<DatiInserimento, const char*, std::array<std::int16_t, kCelleDestinazione>>
        casi[] = {
            {{.Destinazione = "Ankara", .Binario = 3}, "135", {1, 13, 0, 1, 17, 1}},  // no k tile
            // One cell a character, however many bytes it takes.
            {{"Forl\xC3\xAC Citt\xC3\x80"}, "15", {6, 14, 17, 11, 0, 0, 3, 9, 19, 19}},
        };
    for (const auto& [dati, liberi, lettere] : casi) {
        Form2* d = Compila(dati);
        QString offerti;
        for (int i = 0; i < d->Combo6->count(); ++i) offerti += d->Combo6->itemText(i);
        EXPECT_EQ(offerti, liberi);
        d->Command1->click();
        Elimina();
        EXPECT_EQ(form->DialogoInserimento(), nullptr);
        const RigaBinario& r = sim().binari[dati.Binario - 1];
        EXPECT_EQ(r.CodiciLettereFinali, lettere) << dati.Destinazione;
        // Every other entry left as the dialog opens: blank.
        EXPECT_EQ((std::array{r.CodiceCategoriaFinale, r.RitardoMinutiFinale, r.OraPartenzaFinale,
                              r.MinutoPartenzaFinale, r.CodiceIndicazioniFinale}),
                  (std::array<std::int16_t, 5>{}));
        EXPECT_TRUE(r.OraPartenza == 0 && r.MinutoPartenza == 0 && r.RigaAttiva);
    }
    sim().orario.NumeroBinari = 4;  // none free: nothing to confirm
    Voce("informazioni")->trigger();
    EXPECT_FALSE(form->DialogoInserimento()->Command1->isEnabled());
}

// "Agg. Rit." opens the delay dialog of its own board. "Ok" turns the delay forward from what
// the board shows, even with no choice; "Cancella" leaves the board alone.
TEST_F(DialoghiBinari, DelayButtonTurnsItsBoardFromTheDelayItShows) {
    RigaBinario& riga = sim().binari[6];
    riga.RigaLibera = false;
    riga.RigaAttiva = true;
    // The delay chosen, whether "Ok" is pressed, the delay after one tick and after all 65.
    const std::tuple<const char*, bool, int, int> casi[] = {
        {"30", true, 50, 30}, {"", true, 45, 45}, {"30", false, 45, 45}};
    for (auto [scelta, ok, primoPasso, finale] : casi) {
        riga.RitardoMinuti = riga.RitardoMinutiFinale = 45;
        form->Gestione_Pulsanti_Riga(6);
        QTimer::singleShot(0, [scelta, ok] {
            auto* d = qobject_cast<Form3*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            d->Combo2->setCurrentText(scelta);
            (ok ? d->Command1 : d->Command2)->click();
        });
        Pulsante("aggiorna", 6)->click();
        EXPECT_EQ(form->Timer2.isActive(), ok);
        Ticks(1);
        EXPECT_EQ(riga.RitardoMinuti, primoPasso) << scelta << ok;
        Ticks(64);
        EXPECT_EQ(riga.RitardoMinuti, finale) << scelta << ok;
    }
}

}  // namespace
}  // namespace ardenvo
