// Every text of the main window and its small windows shows whole, the longest ones the
// program can put into each place included.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "boards/delay_dialog.h"
#include "boards/elenchi_qt.h"
#include "boards/insert_dialog.h"
#include "core/codici.h"
#include "core/orologio.h"
#include "core/pannelli.h"
#include "mainwindow/about_dialog.h"
#include "mainwindow/exit_dialog.h"
#include "mainwindow/form1_prova.h"
#include "mainwindow/train_info_window.h"
#include "testo_intero.h"

namespace ardenvo {
namespace {

using ::testing::IsEmpty;

TEST_F(Form1Test, EveryTextOfTheMainWindowShowsWhole) {
    banco.dialogo.risposte = {Scenario("centrale.vkd")};
    Voce("apri")->trigger();
    ASSERT_TRUE(banco.messaggi.mostrati.isEmpty());
    // A number too long for its column shows whole on hover; one that fits has no tooltip.
    sim().orario.Partenze[0].NumeroTreno = "1234567890-1";
    form->Timer3_Timer();
    form->show();
    EXPECT_THAT(prova::TestiTagliati(*form), IsEmpty());
    EXPECT_EQ(form->Controllo<QWidget>("Numero", 1)->toolTip(), "1234567890");
    EXPECT_EQ(form->Controllo<QWidget>("Numero", 2)->toolTip(), "");

    QStringList didascalie;
    for (const Velocita& velocita : ElencoVelocita) didascalie << DaUtf8(velocita.Didascalia);
    EXPECT_THAT(prova::TestiTagliati(*form->Controllo<QWidget>("Label4"), didascalie), IsEmpty());

    // The longest texts each column can show, in both kinds of drawing: the refresh's delay
    // texts and "BUS", the row show's delay minutes and platform numbers.
    QStringList ritardi = VociElenco(TestiRitardi),
                binari = QStringList{"BUS"} + Numeri(1, kBinari), ore;
    for (std::int16_t minuti : ElencoRitardi) ritardi << QString::number(minuti);
    for (int ora = 0; ora < 24; ++ora) ore << DaUtf8(TestoOra(ora, 59));
    const std::pair<const char*, QStringList> colonne[] = {
        {"Categoriaq", VociElenco(ElencoCategorie)},
        {"Ritardo", ritardi},
        {"Orario", ore},
        {"Orarioeff", ore},
        {"Binarioq", binari}};
    for (int riga = 1; riga < kRighePannelli; ++riga) {
        if (riga == kTestataArrivi) continue;
        for (const auto& [colonna, testi] : colonne)
            EXPECT_THAT(prova::TestiTagliati(*form->Controllo<QWidget>(colonna, riga), testi),
                        IsEmpty());
    }
}

TEST_F(Form1Test, EveryTextOfTheSmallWindowsShowsWhole) {
    form->show();
    form->informazioni_Click();
    Treno treno;
    treno.NumeroTreno = "22792-A";
    treno.FermateSuccessive = "Firenze Santa Maria Novella,.";
    frmAbout informazioni(banco.Servizi());
    Form5 uscita;
    Form3 ritardo(form->animazione(), 0);
    Form4 treno_info(treno);
    for (QWidget* w : std::initializer_list<QWidget*>{&informazioni, &uscita, &ritardo, &treno_info,
                                                      form->DialogoInserimento()}) {
        ASSERT_NE(w, nullptr);
        w->show();
        EXPECT_THAT(prova::TestiTagliati(*w), IsEmpty());
    }
    EXPECT_THAT(prova::TestiTagliati(*treno_info.findChild<QLineEdit*>("indicaz"),
                                     VociElenco(ElencoIndicazioni).mid(0, 10)),
                IsEmpty());
    delete form->DialogoInserimento();
}

}  // namespace
}  // namespace ardenvo
