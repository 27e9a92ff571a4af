#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "boards/insert_dialog.h"
#include "catena_tab.h"
#include "pannello_finto.h"

namespace ardenvo {
namespace {

QStringList Voci(const QComboBox* c) {
    QStringList v;
    for (int i = 0; i < c->count(); ++i) v << c->itemText(i);
    return v;
}

struct BancoDialogo : Banco {
    explicit BancoDialogo(int NumeroBinari = kBinari, std::initializer_list<int> occupati = {})
        : Banco(NumeroBinari) {
        for (int binario : occupati) Occupa(binario);
        principale->show();
        dialogo = new Form2(animazione, principale);
        dialogo->show();
    }
    ~BancoDialogo() { delete principale; }
    bool Chiuso() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialogo.isNull();
    }
    QWidget* principale = new QWidget;
    QPointer<Form2> dialogo;
};

TEST(Form2, OpensWithItsListsAndTheFreeBoards) {
    BancoDialogo b(5, {2, 4});
    Form2* d = b.dialogo;

    EXPECT_EQ(d->windowTitle(), "Inserimento Dati");
    EXPECT_TRUE(d->parent() == nullptr && !d->isModal());
    EXPECT_FALSE(d->Picture1->pixmap().isNull());
    // The boards' own category order, and no central-board-only entry in any list.
    EXPECT_EQ(Voci(d->Combo1).first(3), QStringList({"Diretto", "Regionale", "Interregio"}));
    EXPECT_EQ(QList({d->Combo1->count(), d->Combo2->count(), d->Combo3->count()}),
              QList({10, 10, 30}));
    for (QComboBox* c : {d->Combo1, d->Combo2, d->Combo3}) EXPECT_EQ(c->currentText(), "");
    EXPECT_EQ(Voci(d->Combo4[1]).size(), 24);
    EXPECT_EQ(Voci(d->Combo4[0]).last(), "59");
    EXPECT_EQ(d->Combo4[1]->currentText() + d->Combo4[0]->currentText(), "00");
    EXPECT_EQ(Voci(d->Combo6), QStringList({"1", "3", "5"}));
    EXPECT_EQ(d->Combo6->currentText(), "1");

    d->Text1->setText("Abcdefghijklmnop");
    EXPECT_EQ(d->Text1->text(), "Abcdefghijklmn");
    EXPECT_EQ(d->focusWidget(), d->Text1);
    EXPECT_EQ(CatenaTab(d->Text1), QStringList({"Text1", "Combo1", "Combo2", "Combo3", "Combo4(1)",
                                                "Combo4(0)", "Combo6", "Command1", "Command2"}));
}

TEST(Form2, OkPutsTheTrainOnTheChosenBoardAndCloses) {
    BancoDialogo b;
    Form2* d = b.dialogo;
    d->Text1->setText("Roma Termini");
    d->Combo1->setCurrentText("Intercity");
    d->Combo2->setCurrentText("Sola 2a Classe");
    d->Combo3->setCurrentText("1'30");
    d->Combo4[1]->setCurrentText("14");
    d->Combo4[0]->setCurrentText("5");
    d->Combo6->setCurrentText("3");
    d->Command1->click();

    const RigaBinario& r = b.Riga(3);
    EXPECT_EQ(r.CodiciLettereFinali, (std::array<std::int16_t, kCelleDestinazione>{
                                         17, 14, 12, 1, 0, 19, 5, 17, 12, 9, 13, 9}));
    EXPECT_EQ((std::array{r.CodiceCategoriaFinale, r.RitardoMinutiFinale, r.OraPartenzaFinale,
                          r.MinutoPartenzaFinale, r.CodiceIndicazioniFinale}),
              (std::array<std::int16_t, 5>{5, 90, 14, 5, 4}));
    EXPECT_TRUE(r.RigaAttiva && b.pannello.pulsanti[2] && b.pannello.timer);
    EXPECT_TRUE(b.Chiuso());
}

TEST(Form2, WithNoFreeBoardOkIsOff) {
    BancoDialogo b(0);
    EXPECT_EQ(b.dialogo->Combo6->count(), 0);
    EXPECT_FALSE(b.dialogo->Command1->isEnabled());
    b.dialogo->Command2->click();
    EXPECT_TRUE(b.Chiuso());
}

TEST(Form2, CancelCloseAndAClosedMainWindowChangeNothing) {
    for (int uscita = 0; uscita < 4; ++uscita) {
        BancoDialogo b;
        b.dialogo->Text1->setText("bari");
        const RigheBinari prima = b.sim->binari;
        if (uscita == 0) b.dialogo->Command2->click();
        if (uscita == 1) b.dialogo->close();
        if (uscita == 2) b.principale->close();
        if (uscita == 3) delete std::exchange(b.principale, nullptr);
        if (uscita >= 2) b.dialogo->Command1->click();
        EXPECT_TRUE(b.Chiuso()) << uscita;
        EXPECT_EQ(b.sim->binari, prima) << uscita;
        EXPECT_EQ(b.pannello.chiamate, 0) << uscita;
        EXPECT_TRUE(!b.principale || b.principale->isVisible() == (uscita != 2)) << "stays closed";
    }
}

}  // namespace
}  // namespace ardenvo
