#include "mainwindow/main_window.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "boards/board_setup.h"
#include "boards/tessera_widget.h"
#include "mainwindow/about_dialog.h"
#include "mainwindow/exit_dialog.h"
#include "mainwindow/versione.h"

namespace ardenvo {

Form1::Form1(Simulazione& sim, const ServiziForm1& servizi, QWidget* parent)
    : QMainWindow(parent),
      animazione_(sim, *this),
      sim_(sim),
      servizi_(servizi),
      cartellaTessere_(CartellaTessere()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ardenvo V") + NumeroVersione());

    auto* client = new QWidget(this);
    client->setFixedSize(kLarghezzaClient, kAltezzaClient);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    CreaMenu();
    CreaOrologio(client);
    CreaBinari(client);
    CreaPannelli(client);

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer3.setObjectName(QStringLiteral("Timer3"));
    // At 100x a tick is due every 10 ms; a coarse timer would slow the simulated clock.
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    connect(&Timer3, &QTimer::timeout, this, &Form1::Timer3_Timer);

    Form_Load();
}

QAction* Form1::Voce(QMenu* menu, const char* nome, const QString& testo) {
    auto* voce = new QAction(testo, this);
    voce->setObjectName(QString::fromLatin1(nome));
    menu->addAction(voce);
    return voce;
}

void Form1::CreaMenu() {
    auto sottomenu = [this](QWidget* sopra, const char* nome, const QString& titolo) {
        auto* menu = new QMenu(titolo, sopra);
        menu->setObjectName(QString::fromLatin1(nome));
        if (auto* barra = qobject_cast<QMenuBar*>(sopra))
            barra->addMenu(menu);
        else
            static_cast<QMenu*>(sopra)->addMenu(menu);
        return menu;
    };
    QMenuBar* barra = menuBar();

    QMenu* file = sottomenu(barra, "file", QStringLiteral("File"));
    QMenu* apri1 = sottomenu(file, "apri1", QStringLiteral("Apri"));
    connect(Voce(apri1, "apri", QStringLiteral("Scenario")), &QAction::triggered, this,
            &Form1::apri_Click);
    connect(Voce(apri1, "salvataggio", QStringLiteral("Salvataggio")), &QAction::triggered, this,
            &Form1::salvataggio_Click);
    connect(Voce(file, "salva", QStringLiteral("Salva")), &QAction::triggered, this,
            &Form1::salva_Click);
    connect(Voce(file, "salvaconnome", QStringLiteral("Salva con nome...")), &QAction::triggered,
            this, &Form1::salvaconnome_Click);
    connect(Voce(file, "esci", QStringLiteral("Esci")), &QAction::triggered, this,
            &Form1::esci_Click);

    QMenu* inserisci = sottomenu(barra, "inserisci", QStringLiteral("Inserisci"));
    connect(Voce(inserisci, "informazioni", QStringLiteral("Informazioni")), &QAction::triggered,
            this, &Form1::informazioni_Click);

    QMenu* visualizza = sottomenu(barra, "visualizza", QStringLiteral("Quadro generale"));
    ArrayControlli* quadro = NuovoArray(QStringLiteral("quadro"));
    const QString titoli[] = {QStringLiteral("Partenze"), QStringLiteral("Arrivi")};
    for (int indice = 0; indice < 2; ++indice) {
        QAction* voce = Voce(visualizza, "quadro", titoli[indice]);
        quadro->Aggiungi(indice, voce);
        connect(voce, &QAction::triggered, this, [this, indice] { quadro_Click(indice); });
    }

    QMenu* domanda = sottomenu(barra, "domanda", QStringLiteral("?"));
    connect(Voce(domanda, "informazionisu", QStringLiteral("Informazion Su...")),
            &QAction::triggered, this, &Form1::informazionisu_Click);
}

void Form1::PortaDavanti(QWidget* finestra) {
    finestra->setWindowState(finestra->windowState() & ~Qt::WindowMinimized);
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
}

QPushButton* Form1::Pulsante(const char* nome, int indice) const {
    return Controllo<QPushButton>(QString::fromLatin1(nome), indice);
}

void Form1::Form_Load() {
    sim_.orario.NumeroBinari = kBinari;
    Copri_Binari();

    Timer1.setInterval(1000);
    Timer1.start();
    Timer2.setInterval(100);
    Timer2.stop();
    Timer3.setInterval(250);
    Timer3.start();

    Pulsante("Command4")->setEnabled(false);
    Pulsante("Command3")->setEnabled(false);
    Clicca = 0;
    Pausa = true;

    for (RigaBinario& riga : sim_.binari) SvuotaRigaAllAvvio(riga);
    animazione_.incritardo = 5;
    Inizializza_Binari();
    for (int Riga = 0; Riga < kBinari; ++Riga) {
        sim_.binari[static_cast<std::size_t>(Riga)].RigaAttiva = false;
        Gestione_Pulsanti_Riga(Riga);
    }

    Controllo<QAction>(QStringLiteral("salva"))->setEnabled(false);
    sim_.QuadroPartenze.PrimoAvvio = true;
    sim_.QuadroArrivi.PrimoAvvio = true;
}

ArrayControlli* Form1::NuovoArray(const QString& nome) {
    return ArrayControlli::Nuovo(this, nome);
}

QObject* Form1::Controllo(const QString& nome, int indice) const {
    return ArrayControlli::Controllo(this, nome, indice);
}

QString Form1::PercorsoTessera(std::string_view file) const {
    return cartellaTessere_ + DaUtf8(file);
}

void Form1::esci_Click() {
    Form5 domanda(this);
    if (domanda.exec() == QDialog::Accepted) Chiudi_Programma();
}

// Only the main window: modeless windows opened from it stay until they are closed.
void Form1::Chiudi_Programma() {
    close();
}

void Form1::informazionisu_Click() {
    frmAbout informazioni(servizi_, this);
    informazioni.exec();
}

}  // namespace ardenvo
