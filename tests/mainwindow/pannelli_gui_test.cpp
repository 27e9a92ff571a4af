#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>

#include "boards/tessera_widget.h"
#include "mainwindow/servizi_finti.h"
#include "mainwindow/servizi_sistema.h"

namespace ardenvo {
namespace {

const char* const kColonne[] = {"Numero", "Destinazione", "Categoriaq", "Ritardo",
                                "Orario", "Orarioeff",    "Binarioq"};

class PannelliTest : public ::testing::Test {
  protected:
    void TearDown() override { delete Form4(); }

    Simulazione& sim() { return *banco.sim; }
    static QString Scenario(const char* nome) {
        return QCoreApplication::applicationDirPath() + "/scenari/" + nome;
    }
    QString Qui(const char* nome, const QByteArray& contenuto = {}) {
        QFile file(cartella.filePath(nome));
        if (!contenuto.isEmpty() && file.open(QIODevice::WriteOnly)) file.write(contenuto);
        return file.fileName();
    }
    // Runs a file command with `scelta` as the dialog's answer (nothing: a cancel).
    void Comando(const char* voce, std::optional<QString> scelta) {
        banco.dialogo.risposte = {scelta.value_or(QString())};
        form->Controllo<QAction>(voce)->trigger();
    }
    QLabel* Cella(int colonna, int riga) {
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
        for (int r = 0; r < kBinari; ++r)
            coperti += form->Controllo<QWidget>("copri", r)->isVisibleTo(form.get());
        return form->Controllo<QLabel>("labelstazione")->text().toStdString() + " " +
               std::to_string(coperti) +
               (form->Controllo<QAction>("salva")->isEnabled() ? " salva" : "");
    }
    static QWidget* Form4() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "Form4") return w;
        return nullptr;
    }
    void Premi(const char* array, int indice) {
        form->Controllo<QPushButton>(array, indice)->click();
    }

    BancoProva banco;
    std::unique_ptr<Form1> form = banco.NuovoForm1();
    QTemporaryDir cartella;
};

TEST_F(PannelliTest, RowsStandLevelWithTheirButtonsBelowTheBoards) {
    auto rettangolo = [&](const char* nome, int indice) {
        const auto* w = form->Controllo<QWidget>(nome, indice);
        return QRect(w->mapTo(form->centralWidget(), QPoint()), w->size());
    };
    // array, left, tooltip, caption, the Numero label over the column
    const std::tuple<const char*, int, const char*, const char*, int, const char*> pulsanti[] = {
        {"info", 440, "", "i", -1, ""},
        {"annuncioprova", 464, "Annuncio Partenza", "", 16, "Part."},
        {"annuncioritardop", 488, "Annuncio Ritardo", "", 18, "Rit."},
        {"annuncioarrivo", 960, "Annuncio Arrivo", "", 19, "Arri."},
        {"annuncioritardoa", 984, "Annuncio Ritardo", "", 17, "Rit."}};
    for (auto [nome, sinistra, suggerimento, didascalia, titolo, testo] : pulsanti) {
        SCOPED_TRACE(nome);
        const bool partenze = sinistra < 520;
        if (titolo >= 0) {
            EXPECT_EQ(Cella(0, titolo)->text(), testo);
            EXPECT_EQ(rettangolo("Numero", titolo).left(), sinistra);
        }
        for (int i = 0; i < 7; ++i) {
            auto* p = form->Controllo<QPushButton>(nome, i);
            EXPECT_EQ(rettangolo(nome, i), QRect(sinistra, 568 + 16 * i, 25, 17));
            EXPECT_EQ(p->toolTip() + "|" + p->text(), QString(suggerimento) + "|" + didascalia);
            EXPECT_FALSE(p->icon().isNull());
            for (int c = 0; c < kCelle; ++c) {
                const QRect cella = rettangolo(kColonne[c], i + (partenze ? 1 : 9));
                EXPECT_EQ(cella.top(), 568 + 16 * i);
                EXPECT_TRUE(partenze ? cella.left() >= 0 && cella.right() < 440
                                     : cella.left() > 513 && cella.right() < 960);
            }
        }
    }
    EXPECT_GT(rettangolo("labelstazione", -1).top(), Form1::kFinoBinari);
}

TEST_F(PannelliTest, OpeningATimetableShowsItAndTheMonitorKeepsTheLabelsInStep) {
    Comando("apri", Scenario("centrale.vkd"));
    EXPECT_EQ(banco.dialogo.domande, QStringList{"Apri File Ardenvo (*.vkd) |*.vkd"});
    EXPECT_TRUE(banco.messaggi.mostrati.isEmpty());
    EXPECT_EQ(Stato(), "Roccaferma Centrale 9");
    EXPECT_EQ(form->Controllo<Tessera>("minuto", 1)->percorso().right(5), "3.jpg");  // 5:30
    EXPECT_EQ(Cella(0, 2)->text(), "22792");
    EXPECT_EQ(Cella(1, 9)->toolTip(), "Firenze Santa Maria Novella");
    ControllaSpecchio();

    // Train 620 leaves at 5:40: from 5:35 its row blinks, at 5:40 it goes.
    sim().orologio = {5, 36, 0};
    for (int tick = 0; tick < 14; ++tick) {
        form->Timer3_Timer();
        ControllaSpecchio();
    }
    EXPECT_FALSE(Cella(0, 1)->isVisibleTo(form.get()));  // hidden by the second blink step
    EXPECT_EQ(form->contalterno, form->pannelli.contalterno);
    sim().orologio = {5, 40, 0};
    form->Timer3_Timer();
    ControllaSpecchio();
    EXPECT_EQ(Cella(0, 1)->text(), "22792-A");  // drawn whole after the removal
}

TEST_F(PannelliTest, FailuresAndCancelsLeaveEverythingAsItWas) {
    Comando("apri", Scenario("piccola.vkd"));
    Comando("salvaconnome", Qui("piccola.vkz"));
    const Orario prima = sim().orario;
    const std::tuple<const char*, std::optional<QString>, const char*> casi[] = {
        {"apri", std::nullopt, ""},
        {"salvataggio", std::nullopt, ""},
        {"salvaconnome", std::nullopt, ""},
        {"apri", Qui("rotto.vkd", "Stazione di = X\nOra inizio simulazione = 8,30\n"), "13 "},
        {"apri", Qui("manca.vkd"), "53 "},
        {"salvataggio", Qui("corto.vkz", "Stazione di = X\r\nOra inizio = 8.30.0\r\n"), "62 "},
        {"salvaconnome", Qui("nessuna/x.vkz"), "76 "},
    };
    for (const auto& [voce, scelta, prefisso] : casi) {
        SCOPED_TRACE(std::string(voce) + " " + scelta.value_or("<cancel>").toStdString());
        banco.messaggi.mostrati.clear();
        Comando(voce, scelta);
        const QString mostrato = banco.messaggi.mostrati.join("|");
        EXPECT_TRUE(*prefisso ? banco.messaggi.mostrati.size() == 1 && mostrato.startsWith(prefisso)
                              : mostrato.isEmpty())
            << mostrato.toStdString();
        EXPECT_EQ(sim().orario, prima);
        EXPECT_EQ(Stato(), "Pieve di Serrone 20 salva");
        EXPECT_EQ(sim().FileSalvataggio, Qui("piccola.vkz").toStdString());
    }
}

TEST_F(PannelliTest, SavedSimulationResumesToTheSecond) {
    Comando("apri", Scenario("centrale.vkd"));
    form->Timer3_Timer();
    sim().orologio = {7, 15, 42};
    const std::string prima = sim().orario.Partenze[0].NumeroTreno;
    Comando("salvaconnome", Qui("giorno.vkz"));
    Comando("apri", Scenario("piccola.vkd"));
    EXPECT_EQ(Stato(), "Pieve di Serrone 20");
    Comando("salvataggio", Qui("giorno.vkz"));
    EXPECT_EQ(banco.dialogo.domande.mid(1), QStringList({
                                                "Salva File Salvattaggio di VKD (*.vkz) |*.vkz",
                                                "Apri File Ardenvo (*.vkd) |*.vkd",
                                                "Apri File Salvattaggio di VKD (*.vkz) |*.vkz",
                                            }));
    EXPECT_TRUE(banco.messaggi.mostrati.isEmpty());
    EXPECT_EQ(Stato(), "Roccaferma Centrale 9 salva");
    EXPECT_EQ(sim().orologio, (Orologio{7, 15, 42}));
    EXPECT_EQ(form->Controllo<Tessera>("secondo", 0)->percorso().right(5), "2.jpg");
    form->Timer3_Timer();  // the file holds each table backwards; the tick sorts it
    ControllaSpecchio();
    EXPECT_EQ(sim().orario.Partenze[0].NumeroTreno, prima);

    // "Salva" writes back to the file that was loaded.
    sim().orologio.SecondoSimulazione = 9;
    form->salva_Click();
    QFile file(Qui("giorno.vkz"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("Ora inizio simulazione = 7.15.9\r\n"));
}

TEST_F(PannelliTest, InformationWindowShowsTheTrainItWasOpenedFor) {
    Premi("info", 3);  // nothing loaded: no window, but the index follows the press
    EXPECT_EQ(Form4(), nullptr);
    EXPECT_EQ(sim().IndicePartenze, 3);

    Comando("apri", Scenario("centrale.vkd"));
    sim().orario.Partenze[1].Indicazioni = 6;
    Premi("info", 1);
    QWidget* info = Form4();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible() && !info->parentWidget());
    EXPECT_EQ(info->windowTitle(), "Informazioni sul treno n°22792-A");
    auto* elenco = info->findChild<QListWidget*>("List1");
    QStringList fermate;
    for (int i = 0; i < elenco->count(); ++i) fermate << elenco->item(i)->text();
    EXPECT_EQ(fermate, QStringList({"Modena", "Castelfranco", "Samoggia"}));
    EXPECT_EQ(info->findChild<QLineEdit*>("indicaz")->text(), "Prima e Seconda Classe");
    EXPECT_EQ(info->findChild<QPlainTextEdit*>("note")->toPlainText(),
              "Carrozze di 1a classe in testa");

    Premi("info", 0);  // a second press keeps the first train
    EXPECT_EQ(Form4(), info);
    EXPECT_EQ(info->windowTitle(), "Informazioni sul treno n°22792-A");
    EXPECT_EQ(sim().IndicePartenze, 0);

    info->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Form4(), nullptr);
    Premi("info", 0);
    ASSERT_NE(Form4(), nullptr);
    EXPECT_EQ(Form4()->windowTitle(), "Informazioni sul treno n°620");
    EXPECT_EQ(Form4()->findChild<QLineEdit*>("indicaz")->text(), "Nessuna");
}

TEST_F(PannelliTest, AnnouncementButtonsSpeakTheirRowsRecord) {
    Premi("annuncioprova", 0);  // nothing loaded: silence
    EXPECT_TRUE(banco.voce.testi.empty());

    Comando("apri", Scenario("centrale.vkd"));
    sim().orario.Partenze[1].Ritardo = 70;
    sim().orario.Arrivi[1].Ritardo = 15;
    // button, index, texts
    const std::tuple<const char*, int, std::vector<std::string>> casi[] = {
        {"annuncioprova",
         0,
         {"Intercity 620 per: Roma Termini delle ore 5 40, è in partenza dal binario 2 ",
          ", ferma a Firenze Santa Maria Novella,Arezzo,Chiusi,Orvieto,Orte,Roma Tiburtina,."}},
        {"annuncioritardop",
         1,
         {"il treno Interregio 22792-A per: Bologna Centrale delle ore 5 42, partirà con un "
          "ritardo di un'ora e 10 minuti"}},
        {"annuncioarrivo",
         0,
         {"Intercity 534 proveniente da: Firenze Santa Maria Novella delle ore 5 43, è in "
          "arrivo al binario 5 "}},
        {"annuncioritardoa",
         1,
         {"Il treno Diretto 24991 proveniente da: Parma delle ore 5 48, subirà un ritardo di "
          "15 minuti"}},
    };
    for (const auto& [pulsante, indice, atteso] : casi) {
        banco.voce.testi.clear();
        sim().IndicePartenze = sim().IndiceArrivi = -1;
        Premi(pulsante, indice);
        EXPECT_EQ(banco.voce.testi, atteso) << pulsante;
        EXPECT_EQ(std::max(sim().IndicePartenze, sim().IndiceArrivi), indice) << pulsante;
    }
}

TEST(DialogoFileSistema, StartsAmongTheSampleTimetablesWithQtFilters) {
    EXPECT_EQ(DialogoFileSistema().cartella(), QCoreApplication::applicationDirPath() + "/scenari");
    const std::pair<const char*, const char*> casi[] = {
        {"File Ardenvo (*.vkd) |*.vkd", "File Ardenvo (*.vkd)"},
        {"Immagini|*.bmp;*.jpg|Tutti (*.*)|*.*", "Immagini (*.bmp *.jpg);;Tutti (*.*)"},
    };
    for (auto [filtro, qt] : casi) EXPECT_EQ(FiltroQt(filtro), qt);
}

}  // namespace
}  // namespace ardenvo
