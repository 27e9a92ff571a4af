#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "boards/delay_dialog.h"
#include "boards/immissione.h"
#include "boards/insert_dialog.h"
#include "pannello_finto.h"

namespace ardenvo {
namespace {

// An open main window over five boards, 2 and 4 taken, and an insert dialog on it.
struct BancoDialogo : Banco {
    explicit BancoDialogo(int NumeroBinari = 5) : Banco(NumeroBinari) {
        for (int binario : {2, 4}) Occupa(binario);
        principale->show();
        dialogo = new Form2(animazione, principale.get());
        dialogo->show();
    }
    ~BancoDialogo() { delete dialogo; }
    std::unique_ptr<QWidget> principale = std::make_unique<QWidget>();
    QPointer<Form2> dialogo;
};

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
        Form2& d = *b.dialogo;
        EXPECT_EQ(d.Combo6->itemText(0) + d.Combo6->itemText(1) + d.Combo6->itemText(2), "135");
        d.Text1->setText(QString::fromStdString(c.dati.Destinazione));
        d.Combo1->setCurrentText(QString::fromStdString(c.dati.Categoria));
        d.Combo2->setCurrentText(QString::fromStdString(c.dati.Indicazioni));
        d.Combo3->setCurrentText(QString::fromStdString(c.dati.Ritardo));
        d.Combo4[1]->setCurrentText(QString::number(c.dati.Ora));
        d.Combo4[0]->setCurrentText(QString::number(c.dati.Minuto));
        d.Combo6->setCurrentText(QString::number(c.dati.Binario));
        d.Command1->click();
        const RigaBinario& r = b.Riga(c.dati.Binario);
        EXPECT_EQ(r.CodiciLettereFinali, c.lettere) << c.dati.Destinazione;
        EXPECT_EQ((std::array{r.CodiceCategoriaFinale, r.RitardoMinutiFinale, r.OraPartenzaFinale,
                              r.MinutoPartenzaFinale, r.CodiceIndicazioniFinale}),
                  c.finali);
        // The row turns from hour and minute 0, not from their blank codes.
        EXPECT_TRUE(r.OraPartenza == 0 && r.MinutoPartenza == 0 && r.RigaAttiva);
        EXPECT_TRUE(b.pulsanti[c.dati.Binario - 1] && b.timer && b.inserimento && !d.isVisible());
    }
}

TEST(Form2, NoFreeBoardAndAClosedMainWindowChangeNothing) {
    EXPECT_FALSE(BancoDialogo(0).dialogo->Command1->isEnabled());
    for (bool distrutta : {false, true}) {
        BancoDialogo b;
        b.dialogo->Text1->setText("bari");
        const RigheBinari prima = b.sim->binari;
        b.principale->close();
        if (distrutta) b.principale.reset();
        b.dialogo->Command1->click();
        EXPECT_FALSE(b.dialogo->isVisible()) << distrutta;
        EXPECT_EQ(b.sim->binari, prima) << distrutta;
        EXPECT_TRUE(distrutta || !b.principale->isVisible()) << "stays closed";
    }
}

TEST(Form3, OkTurnsTheDelayForwardFromWhatItShows) {
    const std::tuple<const char*, bool, int, int> casi[] = {
        {"30", true, 50, 30}, {"1'00", true, 50, 60}, {"", true, 45, 45}, {"30", false, 45, 45}};
    for (auto [scelta, ok, primoPasso, finale] : casi) {
        Banco b;
        b.Riga(7).RitardoMinuti = b.Riga(7).RitardoMinutiFinale = 45;
        Form3 d(b.animazione, 6);
        d.Combo2->setCurrentText(scelta);
        (ok ? d.Command1 : d.Command2)->click();
        EXPECT_EQ(b.timer, ok) << "the board turns even with no choice";
        b.Ticks(1);
        EXPECT_EQ(b.Riga(7).RitardoMinuti, primoPasso) << scelta << ok;
        b.Ticks(64);
        EXPECT_EQ(b.Riga(7).RitardoMinuti, finale) << scelta << ok;
    }
}

}  // namespace
}  // namespace ardenvo
