// The simulated clock: its tick, the Start/Stop and speed buttons, and its digit display.

#include <QLabel>
#include <QPushButton>

#include "boards/disegni_qt.h"
#include "boards/tessera_widget.h"
#include "boards/tile_tables.h"
#include "core/orologio.h"
#include "mainwindow/main_window.h"

namespace ardenvo {

void Form1::CreaOrologio(QWidget* client) {
    // A backing in the digits' own colour, so the narrow colons and the gaps read as one face.
    auto* quadrante = new QWidget(client);
    quadrante->setGeometry(916, 6, 88, 23);
    quadrante->setAutoFillBackground(true);
    QPalette tavolozza = quadrante->palette();
    tavolozza.setColor(QPalette::Window, kFondoOrologio);
    quadrante->setPalette(tavolozza);

    // Left to right: ora(1) ora(0) : minuto(1) minuto(0) : secondo(1) secondo(0).
    const QImage zero = CifraOrologio(0);
    const QImage duePunti = DuePuntiOrologio();
    int x = 4;
    auto cifre = [&](const char* nome) {
        ArrayControlli* array = NuovoArray(QString::fromLatin1(nome));
        for (int indice : {1, 0}) {
            auto* cifra = new Tessera(quadrante);
            cifra->setGeometry(x, 3, 11, 17);
            cifra->impostaImmagine(zero);
            array->Aggiungi(indice, cifra);
            x += 11;
        }
    };
    auto separatore = [&](const char* nome) {
        auto* punti = new Tessera(quadrante);
        punti->setObjectName(QString::fromLatin1(nome));
        punti->setGeometry(x + 1, 3, 5, 17);
        punti->impostaImmagine(duePunti);
        x += 7;
    };
    cifre("ora");
    separatore("Picture5");
    cifre("minuto");
    separatore("Picture1");
    cifre("secondo");

    const struct {
        const char* nome;
        const char* testo;
        QRect dove;
        void (Form1::*gestore)();
    } pulsanti[] = {
        {"Command1", "Start", {912, 32, 49, 17}, &Form1::Command1_Click},
        {"Command3", "Stop", {960, 32, 49, 17}, &Form1::Command3_Click},
        {"Command2", "+", {912, 48, 49, 17}, &Form1::Command2_Click},
        {"Command4", "-", {960, 48, 49, 17}, &Form1::Command4_Click},
    };
    for (const auto& p : pulsanti) {
        QPushButton* pulsante = PulsanteDelDisegno(client, QString::fromLatin1(p.testo), p.dove);
        pulsante->setObjectName(QString::fromLatin1(p.nome));
        connect(pulsante, &QPushButton::clicked, this, p.gestore);
    }

    auto* velocita = new QLabel(DaUtf8(ElencoVelocita[0].Didascalia), client);
    velocita->setObjectName(QStringLiteral("Label4"));
    velocita->setGeometry(920, 72, 89, 17);
    QFont piccolo = velocita->font();
    piccolo.setPixelSize(11);
    velocita->setFont(piccolo);
}

void Form1::Timer1_Timer() {
    if (Pausa) return;
    AvanzaUnSecondo(sim_.orologio);
    ImmaginiTempo();
}

void Form1::Command1_Click() {
    Pausa = !Pausa;
    Pulsante("Command1")->setEnabled(false);
    Pulsante("Command3")->setEnabled(true);
}

void Form1::Command3_Click() {
    Pausa = !Pausa;
    Pulsante("Command1")->setEnabled(true);
    Pulsante("Command3")->setEnabled(false);
}

void Form1::Command2_Click() {
    ++Clicca;
    Pulsante("Command4")->setEnabled(true);
    if (Clicca == 6) Pulsante("Command2")->setEnabled(false);
    ImpostaVelocita();
}

void Form1::Command4_Click() {
    --Clicca;
    Pulsante("Command2")->setEnabled(true);
    if (Clicca == 0) Pulsante("Command4")->setEnabled(false);
    ImpostaVelocita();
}

void Form1::ImpostaVelocita() {
    // The buttons keep the index in range; a direct call must not read past the table.
    if (Clicca < 0 || Clicca >= static_cast<int>(ElencoVelocita.size())) return;
    const Velocita& velocita = ElencoVelocita[static_cast<std::size_t>(Clicca)];
    Timer1.setInterval(velocita.Intervallo);
    Controllo<QLabel>(QStringLiteral("Label4"))->setText(DaUtf8(velocita.Didascalia));
}

void Form1::ImmaginiTempo() {
    const Orologio& orologio = sim_.orologio;
    const struct {
        QString nome;
        int valore;
        int limite;
    } coppie[] = {
        {QStringLiteral("secondo"), orologio.SecondoSimulazione, 60},
        {QStringLiteral("minuto"), orologio.MinutoSimulazione, 60},
        {QStringLiteral("ora"), orologio.OraSimulazione, 24},
    };
    for (const auto& coppia : coppie) {
        const auto file = FileCifreOrologio(coppia.valore, coppia.limite);
        if (!file) continue;
        Disegna(coppia.nome, 0, (*file)[0]);
        Disegna(coppia.nome, 1, (*file)[1]);
    }
}

}  // namespace ardenvo
