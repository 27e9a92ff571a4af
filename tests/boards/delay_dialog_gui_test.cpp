#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "boards/delay_dialog.h"
#include "catena_tab.h"
#include "pannello_finto.h"

namespace ardenvo {
namespace {

struct BancoRitardo : Banco {
    BancoRitardo() {
        Occupa(7);
        Riga(7).RitardoMinuti = Riga(7).RitardoMinutiFinale = 10;
    }
    Form3 dialogo{animazione, 6};
};

TEST(Form3, Layout) {
    BancoRitardo b;
    Form3& d = b.dialogo;
    EXPECT_EQ(d.windowTitle(), "Aggiorna Ritardo");
    EXPECT_TRUE(d.isModal());
    EXPECT_EQ(d.size(), QSize(274, 85));
    EXPECT_EQ(d.Combo2->count(), 30);
    EXPECT_EQ(d.Combo2->itemText(29), "3'50");
    EXPECT_EQ(d.Combo2->currentText(), "");
    EXPECT_EQ(CatenaTab(d.Command2), QStringList({"Command2", "Command1", "Combo2"}));
}

TEST(Form3, OkTurnsTheBoardToTheChosenDelay) {
    for (auto [scelta, finale] : {std::pair{"30", 30}, {"", 10}, {"1'00", 60}}) {
        BancoRitardo b;
        b.dialogo.Combo2->setCurrentText(scelta);
        b.dialogo.Command1->click();
        EXPECT_EQ(b.dialogo.result(), QDialog::Accepted);
        EXPECT_EQ(b.Riga(7).RitardoMinuti, 10) << scelta;
        EXPECT_EQ(b.Riga(7).RitardoMinutiFinale, finale) << scelta;
        EXPECT_TRUE(b.pannello.timer && b.animazione.binario == 7) << scelta;
    }
}

TEST(Form3, CancelAndCloseChangeNothing) {
    for (bool chiusura : {false, true}) {
        BancoRitardo b;
        b.dialogo.Combo2->setCurrentText("30");
        const RigheBinari prima = b.sim->binari;
        b.dialogo.show();
        chiusura ? void(b.dialogo.close()) : b.dialogo.Command2->click();
        EXPECT_EQ(b.dialogo.result(), QDialog::Rejected);
        EXPECT_EQ(b.sim->binari, prima);
        EXPECT_EQ(b.pannello.chiamate, 0);
    }
}

}  // namespace
}  // namespace ardenvo
