#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>

#include "mainwindow/form1_prova.h"

namespace ardenvo {
namespace {

class PannelliTest : public Form1Test {
  protected:
    void TearDown() override { delete Form4(); }

    QString Qui(const char* nome, const QByteArray& contenuto = {}) {
        QFile file(cartella.filePath(nome));
        if (!contenuto.isEmpty() && file.open(QIODevice::WriteOnly)) file.write(contenuto);
        return file.fileName();
    }
    // Runs a file command with `scelta` as the dialog's answer (nothing: a cancel).
    void Comando(const char* voce, std::optional<QString> scelta) {
        banco.dialogo.risposte = {scelta.value_or(QString())};
        Voce(voce)->trigger();
    }
    QLabel* Cella(int colonna, int riga) {
        static const char* const kColonne[] = {"Numero", "Destinazione", "Categoriaq", "Ritardo",
                                               "Orario", "Orarioeff",    "Binarioq"};
        return form->Controllo<QLabel>(kColonne[colonna], riga);
    }
    // Every panel label shows what the panels' state holds.
    void ControllaSpecchio() {
        for (int r = 0; r < kRighePannelli; ++r) {
            const RigaPannello& riga = form->pannelli.Righe[r];
            for (int c = 0; c < kCelle; ++c) {
                ASSERT_EQ(Cella(c, r)->text().toStdString(), riga.Testi[c]) << r << "," << c;
                ASSERT_EQ(Cella(c, r)->isVisibleTo(form.get()), riga.Visibile) << r;
            }
            ASSERT_EQ(Cella(1, r)->toolTip().toStdString(), riga.Tooltip) << r;
        }
    }
    // Station label, covered boards, "Salva" enabled.
    std::string Stato() {
        int coperti = 0;
        for (int r = 0; r < kBinari; ++r) coperti += Pulsante("copri", r)->isVisibleTo(form.get());
        return form->Controllo<QLabel>("labelstazione")->text().toStdString() + " " +
               std::to_string(coperti) + (Voce("salva")->isEnabled() ? " salva" : "");
    }
    static QWidget* Form4() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "Form4") return w;
        return nullptr;
    }

    QTemporaryDir cartella;
};

TEST_F(PannelliTest, FileCommandsThroughTheDialogAndTheMonitorKeepTheLabelsInStep) {
    Comando("apri", Scenario("centrale.vkd"));
    EXPECT_EQ(Stato(), "Roccaferma Centrale 9");
    EXPECT_EQ(File("minuto", 1), "3.jpg");  // 5:30
    ControllaSpecchio();
    // Train 620 leaves at 5:40: from 5:35 its row blinks, at 5:40 it goes.
    sim().orologio = {5, 36, 0};
    for (int tick = 0; tick < 14; ++tick) {
        form->Timer3_Timer();
        ControllaSpecchio();
    }
    EXPECT_FALSE(Cella(0, 1)->isVisibleTo(form.get()));  // hidden by the second blink step
    sim().orologio = {5, 40, 0};
    form->Timer3_Timer();
    ControllaSpecchio();
    EXPECT_EQ(Cella(0, 1)->text(), "22792-A");

    sim().orologio = {7, 15, 42};
    const Orario prima = sim().orario;
    Comando("salvaconnome", Qui("giorno.vkz"));
    Comando("apri", Scenario("piccola.vkd"));
    Comando("salvataggio", Qui("giorno.vkz"));
    EXPECT_EQ(banco.dialogo.domande.mid(1),
              QStringList({"Salva File Salvattaggio di VKD (*.vkz) |*.vkz",
                           "Apri File Ardenvo (*.vkd) |*.vkd",
                           "Apri File Salvattaggio di VKD (*.vkz) |*.vkz"}));
    EXPECT_TRUE(banco.messaggi.mostrati.isEmpty());
    EXPECT_EQ(File("secondo", 0), "2.jpg");
    form->Timer3_Timer();  // the file holds each table backwards; the tick sorts it
    ControllaSpecchio();
    EXPECT_EQ(sim().orario.Partenze[0].NumeroTreno, prima.Partenze[0].NumeroTreno);

    // Cancels and failures leave everything as it was; a failed load or save says why.
    const Orario ripreso = sim().orario;
    const std::tuple<const char*, std::optional<QString>, const char*> casi[] = {
        {"apri", std::nullopt, ""},
        {"salvaconnome", std::nullopt, ""},
        {"apri", Qui("rotto.vkd", "Stazione di = X\nOra inizio simulazione = 8,30\n"), "13 "},
        {"salvaconnome", Qui("nessuna/x.vkz"), "76 "},
    };
    for (const auto& [voce, scelta, prefisso] : casi) {
        SCOPED_TRACE(std::string(voce) + " " + scelta.value_or("<cancel>").toStdString());
        banco.messaggi.mostrati.clear();
        Comando(voce, scelta);
        EXPECT_EQ(banco.messaggi.mostrati.size(), *prefisso ? 1 : 0);
        EXPECT_TRUE(banco.messaggi.mostrati.value(0, "").startsWith(prefisso));
        EXPECT_EQ(sim().orario, ripreso);
        EXPECT_EQ(Stato(), "Roccaferma Centrale 9 salva");
    }

    // "Salva" writes back to the file that was loaded.
    sim().orologio.SecondoSimulazione = 9;
    Voce("salva")->trigger();
    QFile file(Qui("giorno.vkz"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("Ora inizio simulazione = 7.15.9\r\n"));
}

TEST_F(PannelliTest, InformationAndAnnouncementButtonsActOnTheirOwnRow) {
    Pulsante("info", 3)->click();  // nothing loaded: no window
    EXPECT_EQ(Form4(), nullptr);

    Comando("apri", Scenario("centrale.vkd"));
    Pulsante("info", 1)->click();
    QWidget* info = Form4();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible() && !info->parentWidget());
    EXPECT_EQ(info->windowTitle(), "Informazioni sul treno n°22792-A");
    EXPECT_EQ(info->findChild<QListWidget*>("List1")->count(), 3);  // its stops

    Pulsante("info", 0)->click();  // a second press keeps the first train
    EXPECT_TRUE(Form4() == info && info->windowTitle() == "Informazioni sul treno n°22792-A");
    info->showMinimized();  // and brings it back from the task bar
    ASSERT_TRUE(info->isMinimized());
    Pulsante("info", 2)->click();
    EXPECT_TRUE(Form4() == info && info->isVisible() && !info->isMinimized());
    EXPECT_EQ(info->windowTitle(), "Informazioni sul treno n°22792-A");
    info->close();
    Elimina();
    Pulsante("info", 0)->click();  // closed, it opens again for the row pressed
    ASSERT_NE(Form4(), nullptr);
    EXPECT_EQ(Form4()->windowTitle(), "Informazioni sul treno n°620");

    sim().orario.Partenze[1].Ritardo = 70;
    sim().orario.Arrivi[1].Ritardo = 15;
    // The sentences are the announcements' own tests: here each button speaks its row.
    const std::tuple<const char*, int, const char*> casi[] = {
        {"annuncioprova", 0, "Intercity 620 per: Roma Termini delle ore 5 40, è in partenza"},
        {"annuncioritardop", 1, "il treno Interregio 22792-A per: Bologna Centrale delle ore 5 42"},
        {"annuncioarrivo", 0, "Intercity 534 proveniente da: Firenze Santa Maria Novella"},
        {"annuncioritardoa", 1, "Il treno Diretto 24991 proveniente da: Parma delle ore 5 48"},
    };
    for (const auto& [pulsante, indice, atteso] : casi) {
        banco.voce.testi.clear();
        Pulsante(pulsante, indice)->click();
        EXPECT_TRUE(!banco.voce.testi.empty() && banco.voce.testi[0].starts_with(atteso))
            << pulsante;
    }
}

}  // namespace
}  // namespace ardenvo
