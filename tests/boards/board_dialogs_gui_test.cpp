#include <gtest/gtest.h>

#include <QComboBox>
#include <QTimer>

#include "boards/delay_dialog.h"
#include "boards/insert_dialog.h"
#include "mainwindow/form1_prova.h"

namespace ardenvo {
namespace {

using DialoghiBinari = Form1Test;

// Once the main window is closed, or gone, "Ok" only closes the dialog.
TEST_F(DialoghiBinari, InsertDialogLeftOpenAfterTheMainWindowChangesNothing) {
    form->show();
    for (bool distrutta : {false, true}) {
        QPointer<Form2> d = Compila({"Trento"});
        const RigheBinari prima = sim().binari;
        form->close();
        QPointer<Form1> finestra = form.get();
        if (distrutta) form.reset();
        d->Command1->click();
        Elimina();
        EXPECT_TRUE(d.isNull()) << distrutta;
        EXPECT_EQ(sim().binari, prima) << distrutta;
        EXPECT_TRUE(distrutta || !(finestra->isVisible() || finestra->Timer2.isActive()));
    }
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
