#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "mainwindow/about_dialog.h"
#include "mainwindow/form1_prova.h"

namespace ardenvo {
namespace {

TEST_F(Form1Test, LoadStepLeavesTheDesignedStartState) {
    // Start and "+" on, Stop and "-" off.
    EXPECT_TRUE(Pulsante("Command1")->isEnabled() && Pulsante("Command2")->isEnabled());
    EXPECT_FALSE(Pulsante("Command3")->isEnabled() || Pulsante("Command4")->isEnabled());
    EXPECT_TRUE(!Voce("salva")->isEnabled() && Voce("informazioni")->isEnabled());
    EXPECT_TRUE(form->Pausa && form->Timer1.isActive() && form->Timer3.isActive() &&
                !form->Timer2.isActive());
    EXPECT_EQ(Cifre(), "# # | # # | # #");  // the load does not draw the clock: its zeros stand
    for (int riga = 0; riga < kBinari; ++riga) {
        SCOPED_TRACE("board " + std::to_string(riga + 1));
        EXPECT_FALSE(Pulsante("resetta", riga)->isEnabled() ||
                     Pulsante("aggiorna", riga)->isEnabled());
        EXPECT_FALSE(Pulsante("copri", riga)->isVisibleTo(form.get()));
        EXPECT_EQ(Tabellone(riga + 1), kVuoto);
    }
}

TEST_F(Form1Test, SpeedButtonsMoveThroughTheSevenSpeeds) {
    auto stato = [&] {  // caption, interval, then "+" and "-" if enabled
        return form->Controllo<QLabel>("Label4")->text().mid(13).toStdString() + " " +
               std::to_string(form->Timer1.interval()) + " " +
               (Pulsante("Command2")->isEnabled() ? "+" : "") +
               (Pulsante("Command4")->isEnabled() ? "-" : "");
    };
    std::string visti;
    for (int i = 0; i < 12; ++i) {
        Pulsante(i < 6 ? "Command2" : "Command4")->click();
        visti += stato() + "; ";
    }
    EXPECT_EQ(visti,
              "2x 500 +-; 5x 200 +-; 10x 100 +-; 20x 50 +-; 60x 17 +-; 100x 10 -; "
              "60x 17 +-; 20x 50 +-; 10x 100 +-; 5x 200 +-; 2x 500 +-; 1x 1000 +; ");
    // Speed and running are independent.
    Pulsante("Command2")->click();
    Pulsante("Command1")->click();
    Pulsante("Command3")->click();
    EXPECT_EQ(stato(), "2x 500 +-");
}

// Start and Stop take turns; the clock moves only between them, and draws only pairs in range.
TEST_F(Form1Test, ClockTicksOnlyWhileRunningAndDrawsOnlyPairsInRange) {
    sim().orologio = {23, 59, 59};
    form->Timer1_Timer();  // stopped: nothing moves, nothing is drawn
    EXPECT_EQ(sim().orologio, (Orologio{23, 59, 59}));
    EXPECT_EQ(Cifre(), "# # | # # | # #");
    Pulsante("Command1")->click();
    EXPECT_FALSE(form->Pausa || Pulsante("Command1")->isEnabled() ||
                 !Pulsante("Command3")->isEnabled());
    form->Timer1_Timer();
    EXPECT_EQ(Cifre(), "0.jpg 0.jpg | 0.jpg 0.jpg | 0.jpg 0.jpg");
    Pulsante("Command3")->click();
    EXPECT_TRUE(form->Pausa && Pulsante("Command1")->isEnabled() &&
                !Pulsante("Command3")->isEnabled() && form->Timer1.isActive());
    sim().orologio = {24, 1, -1};  // a pair out of range keeps its pictures
    form->ImmaginiTempo();
    EXPECT_EQ(Cifre(), "0.jpg 0.jpg | 0.jpg 1.jpg | 0.jpg 0.jpg");
}

TEST_F(Form1Test, CoversFollowThePlatformCountAndLeaveTheBoardsAlone) {
    // Board 8 holds a train while the count changes: covering must leave it as it was.
    sim().binari[7].RigaAttiva = true;
    sim().binari[7].RigaLibera = false;
    sim().binari[7].CodiceCategoria = 5;
    form->Gestione_Pulsanti_Riga(7);
    form->Gestione_Pulsanti_Riga(kBinari);  // no such row: nothing happens
    form->DisegnaBinario(8);
    const RigheBinari prima = sim().binari;
    for (int piattaforme : {5, 0, 23, 30, -1}) {
        sim().orario.NumeroBinari = static_cast<std::int16_t>(piattaforme);
        form->Copri_Binari();
        for (int riga = 0; riga < kBinari; ++riga)
            EXPECT_EQ(Pulsante("copri", riga)->isVisibleTo(form.get()), riga >= piattaforme)
                << piattaforme << " platforms, row " << riga;
    }
    EXPECT_EQ(sim().binari, prima);
    EXPECT_TRUE(Pulsante("resetta", 7)->isEnabled());
    EXPECT_EQ(File("categoria8"), "intercity");
}

// "Esci" asks, with "SI" focused, and closes the main window only on "SI"; Escape is no answer.
// The About box is modal too, and "OK" closes it.
TEST_F(Form1Test, ExitAsksWithYesFocusedAndClosesOnlyOnYes) {
    form->show();
    const std::tuple<const char*, const char*, const char*, bool> casi[] = {
        {"esci", "Form5", "Command2", true},  // "NO"
        {"informazionisu", "frmAbout", "cmdOK", true},
        {"esci", "Form5", "Command1", false},  // "SI"
    };
    for (const auto& [voce, finestra, pulsante, aperta] : casi) {
        QTimer::singleShot(0, [finestra, pulsante] {
            QWidget* domanda = QApplication::activeModalWidget();
            ASSERT_NE(domanda, nullptr);
            EXPECT_EQ(domanda->objectName(), finestra);
            if (domanda->objectName() == "Form5") {
                EXPECT_EQ(domanda->focusWidget()->objectName(), "Command1");
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(domanda, &escape);
                EXPECT_TRUE(domanda->isVisible()) << "Escape is not NO";
            }
            if (auto* risposta = domanda->findChild<QPushButton*>(pulsante))
                risposta->click();
            else
                domanda->close();  // the wrong window: no hang
        });
        Voce(voce)->trigger();
        EXPECT_EQ(form->isVisible(), aperta) << voce;
    }
}

TEST(AboutBox, GetKeyValueReadsTextAndNumbersOfItsRootOnly) {
    using T = ValoreRegistro::Tipo;
    const auto H = HKEY_LOCAL_MACHINE;
    const std::tuple<std::uint32_t, std::optional<ValoreRegistro>, bool, QString> casi[] = {
        {H, ValoreRegistro{T::Testo, QByteArray("/usr/bin/x\0", 11)}, true, "/usr/bin/x"},
        {H, ValoreRegistro{T::Numero32, QByteArray("\x2a\x01\0\0", 4)}, true, "&h12A"},
        {H, ValoreRegistro{T::Testo, QByteArray(1025, 'a')}, false, ""},  // over the buffer
        {H, std::nullopt, false, ""},
        {0x80000001u, ValoreRegistro{T::Testo, "x"}, false, ""},
    };
    for (const auto& [radice, valore, letto, atteso] : casi) {
        BancoProva banco;
        if (valore) banco.registro.valori[{"K", "V"}] = *valore;
        QString testo = "prima";
        EXPECT_EQ(frmAbout(banco.Servizi()).GetKeyValue(radice, "K", "V", testo), letto)
            << atteso.toStdString();
        EXPECT_EQ(testo, atteso);
    }
}

TEST(AboutBox, SystemInfoStartsTheToolOrSaysItCannot) {
    const QString strumento = "C:\\Tools\\MSINFO32.EXE";
    // the first key's "PATH" (the second's "MSINFO" is "C:\Tools"), whether the tool is there
    const std::tuple<const char*, bool, QStringList> casi[] = {
        {"/usr/bin/hardinfo", true, {"/usr/bin/hardinfo"}},
        {nullptr, true, {strumento}},
        {nullptr, false, {}},
    };
    for (const auto& [prima, presente, avviati] : casi) {
        BancoProva b;
        if (prima) b.registro.Testo(kChiaveInfoSistema, "PATH", QByteArray(prima) + '\0');
        b.registro.Testo(kChiavePosizioneStrumenti, "MSINFO", QByteArray("C:\\Tools") + '\0');
        if (presente) b.avvio.esistenti = {strumento};
        b.avvio.avviabili = {strumento, "/usr/bin/hardinfo"};
        frmAbout(b.Servizi()).findChild<QPushButton*>("cmdSysInfo")->click();
        EXPECT_EQ(b.avvio.avviati, avviati) << (prima ? prima : "") << presente;
        EXPECT_EQ(b.messaggi.mostrati,
                  avviati.isEmpty() ? QStringList{kInfoSistemaNonDisponibile} : QStringList{});
    }
}

}  // namespace
}  // namespace ardenvo
