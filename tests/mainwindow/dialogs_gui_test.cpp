#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "mainwindow/about_dialog.h"
#include "mainwindow/exit_dialog.h"
#include "mainwindow/servizi_finti.h"

namespace ardenvo {
namespace {

TEST(Form5, AsksWithYesFocusedAndIgnoresEscape) {
    Form5 domanda;
    domanda.show();
    EXPECT_EQ(domanda.windowTitle(), "Conferma uscita...");
    EXPECT_EQ(domanda.findChild<QLabel*>("Label1")->text(), "Vuoi uscire dal Simulatore?");
    auto* si = domanda.findChild<QPushButton*>("Command1");
    EXPECT_EQ(si->text(), "SI");
    EXPECT_EQ(domanda.focusWidget(), si);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&domanda, &escape);
    EXPECT_TRUE(domanda.isVisible());  // Escape is not "NO"
    domanda.findChild<QPushButton*>("Command2")->click();
    EXPECT_EQ(domanda.result(), QDialog::Rejected);
}

class AboutTest : public ::testing::Test {
  protected:
    BancoProva banco;
};

TEST_F(AboutTest, ShowsTitleAndVersion) {
    frmAbout informazioni(banco.Servizi());
    EXPECT_EQ(informazioni.windowTitle(), "Informazioni su... Ardenvo");
    EXPECT_EQ(informazioni.findChild<QLabel*>("lblTitle")->text(), "Ardenvo");
    EXPECT_EQ(informazioni.findChild<QLabel*>("lblVersion")->text(), "Versione 0.3.1");
    EXPECT_EQ(informazioni.size(), QSize(382, 237));
    EXPECT_TRUE(informazioni.findChild<QPushButton*>("cmdOK")->isDefault());
    EXPECT_EQ(informazioni.findChild<QPushButton*>("cmdSysInfo")->text(), "&System Info...");
    EXPECT_FALSE(informazioni.findChild<QLabel*>("picIcon")->pixmap().isNull());
}

TEST_F(AboutTest, GetKeyValueReadsTextAndNumbers) {
    struct Caso {
        const char* descrizione;
        std::optional<ValoreRegistro> valore;
        bool letto;
        QString atteso;  // KeyVal starts as "prima"
    };
    using T = ValoreRegistro::Tipo;
    const Caso casi[] = {
        {"text with its NUL", ValoreRegistro{T::Testo, QByteArray("/usr/bin/x\0", 11)}, true,
         "/usr/bin/x"},
        {"text without NUL", ValoreRegistro{T::Testo, "C:\\Tools"}, true, "C:\\Tools"},
        {"empty text", ValoreRegistro{T::Testo, QByteArray("\0", 1)}, true, ""},
        {"32-bit number", ValoreRegistro{T::Numero32, QByteArray("\x2a\x01\x00\x00", 4)}, true,
         "&h12A"},
        {"other type", ValoreRegistro{T::Altro, "xyz"}, true, "prima"},
        {"value too long for the buffer", ValoreRegistro{T::Testo, QByteArray(1025, 'a')}, false,
         ""},
        {"key or value missing", std::nullopt, false, ""},
    };
    for (const Caso& c : casi) {
        banco.registro.valori.clear();
        if (c.valore) banco.registro.valori[{"K", "V"}] = *c.valore;
        frmAbout informazioni(banco.Servizi());
        QString letto = "prima";
        EXPECT_EQ(informazioni.GetKeyValue(HKEY_LOCAL_MACHINE, "K", "V", letto), c.letto)
            << c.descrizione;
        EXPECT_EQ(letto, c.atteso) << c.descrizione;
    }
    frmAbout informazioni(banco.Servizi());
    QString letto = "prima";
    EXPECT_FALSE(informazioni.GetKeyValue(0x80000001u, "K", "V", letto));  // another root
}

TEST_F(AboutTest, SystemInfoStartsTheToolOrSaysItCannot) {
    struct Caso {
        const char* descrizione;
        const char* prima;    // "PATH" of the first key, or nullptr
        const char* seconda;  // "MSINFO" of the second key, or nullptr
        QStringList esistenti, avviabili;
        QStringList avviati;
        bool messaggio;
    };
    const Caso casi[] = {
        {"first key wins",
         "/usr/bin/hardinfo",
         "/opt",
         {},
         {"/usr/bin/hardinfo"},
         {"/usr/bin/hardinfo"},
         false},
        {"second key with the tool",
         nullptr,
         "C:\\Tools",
         {"C:\\Tools\\MSINFO32.EXE"},
         {"C:\\Tools\\MSINFO32.EXE"},
         {"C:\\Tools\\MSINFO32.EXE"},
         false},
        {"second key without the tool",
         nullptr,
         "C:\\Tools",
         {},
         {"C:\\Tools\\MSINFO32.EXE"},
         {},
         true},
        {"neither key", nullptr, nullptr, {}, {}, {}, true},
        {"first key names no program", "/nowhere/tool", nullptr, {}, {}, {}, true},
    };
    for (const Caso& c : casi) {
        BancoProva b;
        if (c.prima) b.registro.Testo(kChiaveInfoSistema, "PATH", QByteArray(c.prima) + '\0');
        if (c.seconda)
            b.registro.Testo(kChiavePosizioneStrumenti, "MSINFO", QByteArray(c.seconda) + '\0');
        b.avvio.esistenti = QSet<QString>(c.esistenti.begin(), c.esistenti.end());
        b.avvio.avviabili = QSet<QString>(c.avviabili.begin(), c.avviabili.end());
        frmAbout informazioni(b.Servizi());
        informazioni.findChild<QPushButton*>("cmdSysInfo")->click();
        EXPECT_EQ(b.avvio.avviati, c.avviati) << c.descrizione;
        EXPECT_EQ(b.messaggi.mostrati,
                  c.messaggio ? QStringList{kInfoSistemaNonDisponibile} : QStringList{})
            << c.descrizione;
    }
}

TEST_F(AboutTest, OpensModalFromTheMenuAndClosesOnEnterAndEscape) {
    auto form = banco.NuovoForm1();
    for (Qt::Key tasto : {Qt::Key_Return, Qt::Key_Escape}) {
        bool aperto = false, chiuso = false;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            aperto = box->objectName() == "frmAbout";
            QKeyEvent evento(QEvent::KeyPress, tasto, Qt::NoModifier);
            QApplication::sendEvent(box->focusWidget() ? box->focusWidget() : box, &evento);
            chiuso = !box->isVisible();
            // Should the box still be open, close it so the test cannot hang.
            QTimer::singleShot(0, [resta = QPointer<QWidget>(box)] {
                if (resta && resta->isVisible()) resta->close();
            });
        });
        form->Controllo<QAction>("informazionisu")->trigger();
        EXPECT_TRUE(aperto && chiuso) << tasto;
        EXPECT_TRUE(banco.avvio.avviati.isEmpty() && banco.messaggi.mostrati.isEmpty());
    }
}

}  // namespace
}  // namespace ardenvo
