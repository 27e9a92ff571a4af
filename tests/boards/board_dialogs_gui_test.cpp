#include <gtest/gtest.h>

#include <QComboBox>
#include <QTimer>

#include "boards/delay_dialog.h"
#include "boards/insert_dialog.h"
#include "mainwindow/form1_prova.h"

namespace ardenvo {
namespace {

// An open main window over five boards, 2 and 4 taken.
struct BancoDialogo : Form1Prova {
    BancoDialogo() {
        form->show();
        sim().orario.NumeroBinari = 5;
        for (int binario : {2, 4}) {
            sim().binari[binario - 1].RigaLibera = false;
            sim().binari[binario - 1].RigaAttiva = true;
        }
    }
    QString Offerti(const Form2& d) {
        QString offerti;
        for (int i = 0; i < d.Combo6->count(); ++i) offerti += d.Combo6->itemText(i);
        return offerti;
    }
};

// The dialog offers the free boards, and "Ok" makes the entries the chosen board's final codes,
// which it turns to from blank letters and from hour and minute 0.
TEST(Form2, OkPutsTheTrainOnTheChosenFreeBoardAndCloses) {
    struct Caso {
        DatiInserimento dati;
        std::array<std::int16_t, kCelleDestinazione> lettere;
        std::array<std::int16_t, 5> finali;  // category, delay, hour, minute, service note
    };
    const Caso casi[] = {
        {{"Roma Termini", "Intercity", "Sola 2a Classe", "1'30", 14, 5, 5},
         {17, 14, 12, 1, 0, 19, 5, 17, 12, 9, 13, 9},
         {5, 90, 14, 5, 4}},
        {{.Destinazione = "Ankara", .Binario = 3}, {1, 13, 0, 1, 17, 1}, {}},  // no tile for k
        {{}, {}, {}},  // every default, the first free board
        // One cell a character, however many bytes it takes.
        {{"Forl\xC3\xAC Citt\xC3\x80"}, {6, 14, 17, 11, 0, 0, 3, 9, 19, 19}, {}},
    };
    for (const Caso& c : casi) {
        BancoDialogo b;
        Form2* d = b.Compila(c.dati);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(b.Offerti(*d), "135");
        d->Command1->click();
        b.Elimina();
        EXPECT_EQ(b.form->DialogoInserimento(), nullptr) << "closed and gone";
        const RigaBinario& r = b.sim().binari[c.dati.Binario - 1];
        EXPECT_EQ(r.CodiciLettereFinali, c.lettere) << c.dati.Destinazione;
        EXPECT_EQ((std::array{r.CodiceCategoriaFinale, r.RitardoMinutiFinale, r.OraPartenzaFinale,
                              r.MinutoPartenzaFinale, r.CodiceIndicazioniFinale}),
                  c.finali);
        // The row turns from hour and minute 0, not from their blank codes.
        EXPECT_TRUE(r.OraPartenza == 0 && r.MinutoPartenza == 0 && r.RigaAttiva);
        EXPECT_TRUE(b.Pulsante("resetta", c.dati.Binario - 1)->isEnabled() &&
                    b.form->Timer2.isActive() && b.Voce("informazioni")->isEnabled());
    }
}

TEST(Form2, NoFreeBoardAndAClosedMainWindowChangeNothing) {
    for (int binari : {0, 2}) {  // no board, or boards all taken
        BancoDialogo b;
        b.sim().orario.NumeroBinari = static_cast<std::int16_t>(binari);
        b.sim().binari[0].RigaLibera = false;
        b.Voce("informazioni")->trigger();
        ASSERT_NE(b.form->DialogoInserimento(), nullptr);
        EXPECT_FALSE(b.form->DialogoInserimento()->Command1->isEnabled()) << binari;
    }
    for (bool distrutta : {false, true}) {
        BancoDialogo b;
        QPointer<Form2> d = b.Compila({"bari"});
        ASSERT_FALSE(d.isNull());
        const RigheBinari prima = b.sim().binari;
        b.form->close();
        QPointer<Form1> finestra = b.form.get();
        if (distrutta) b.form.reset();
        d->Command1->click();
        b.Elimina();
        EXPECT_TRUE(d.isNull()) << distrutta;
        EXPECT_EQ(b.sim().binari, prima) << distrutta;
        EXPECT_TRUE(distrutta || !finestra->isVisible()) << "stays closed";
    }
}

// "Agg. Rit." opens the delay dialog of its own board. "Ok" turns the delay forward from what
// the board shows, even with no choice; "Cancella" leaves the board alone.
TEST(Form3, OkTurnsTheDelayForwardFromWhatItShows) {
    // The delay chosen, whether "Ok" is pressed, the delay after one tick and after all 65.
    const std::tuple<const char*, bool, int, int> casi[] = {
        {"30", true, 50, 30}, {"1'00", true, 50, 60}, {"", true, 45, 45}, {"30", false, 45, 45}};
    for (auto [scelta, ok, primoPasso, finale] : casi) {
        Form1Prova b;
        RigaBinario& riga = b.sim().binari[6];
        riga.RigaLibera = false;
        riga.RigaAttiva = true;
        riga.RitardoMinuti = riga.RitardoMinutiFinale = 45;
        b.form->Gestione_Pulsanti_Riga(6);
        QTimer::singleShot(0, [scelta, ok] {
            auto* d = qobject_cast<Form3*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            d->Combo2->setCurrentText(scelta);
            (ok ? d->Command1 : d->Command2)->click();
        });
        b.Pulsante("aggiorna", 6)->click();
        EXPECT_EQ(b.form->Timer2.isActive(), ok) << "the board turns even with no choice";
        b.Ticks(1);
        EXPECT_EQ(riga.RitardoMinuti, primoPasso) << scelta << ok;
        b.Ticks(64);
        EXPECT_EQ(riga.RitardoMinuti, finale) << scelta << ok;
    }
}

}  // namespace
}  // namespace ardenvo
