// "File" > "Apri" > "Scenario" and "Salvataggio", "Salva" and "Salva con nome...".

#include <QAction>
#include <QFile>
#include <QLabel>

#include "mainwindow/main_window.h"

namespace ardenvo {
namespace {

const QString kFiltroOrario = QStringLiteral("File Ardenvo (*.vkd) |*.vkd");
const QString kFiltroSalvataggio = QStringLiteral("File Salvattaggio di VKD (*.vkz) |*.vkz");

// Paths reach the file layer in the bytes the file system uses.
std::string Percorso(const QString& percorso) {
    return QFile::encodeName(percorso).toStdString();
}

}  // namespace

void Form1::apri_Click() {
    const std::optional<QString> scelto = servizi_.dialogo->Apri(this, kFiltroOrario);
    if (!scelto) return;
    if (!estrattore_) estrattore_.emplace(*servizi_.casuale);
    Caricato(ApriScenario(sim_, pannelli, Percorso(*scelto), *estrattore_));
}

void Form1::salvataggio_Click() {
    const std::optional<QString> scelto = servizi_.dialogo->Apri(this, kFiltroSalvataggio);
    if (!scelto) return;
    Caricato(ApriSalvataggio(sim_, pannelli, Percorso(*scelto)));
}

void Form1::salva_Click() {
    SalvaIn(sim_.FileSalvataggio);
}

void Form1::salvaconnome_Click() {
    const std::optional<QString> scelto = servizi_.dialogo->Salva(this, kFiltroSalvataggio);
    if (!scelto) return;
    SalvaIn(Percorso(*scelto));
}

void Form1::SalvaIn(const std::string& percorso) {
    if (const std::optional<ErroreFile> errore = SalvaSimulazione(sim_, percorso))
        return Segnala(*errore);
    Controllo<QAction>(QStringLiteral("salva"))->setEnabled(true);
}

void Form1::Caricato(const Esito<DopoCaricamento>& esito) {
    if (!esito) return Segnala(esito.Errore());
    const DopoCaricamento& dopo = esito.Valore();
    Controllo<QLabel>(QStringLiteral("labelstazione"))->setText(DaUtf8(dopo.labelstazione));
    Copri_Binari();
    ImmaginiTempo();
    Controllo<QAction>(QStringLiteral("salva"))->setEnabled(dopo.SalvaAbilitato);
    MostraPannelli();
}

void Form1::Segnala(const ErroreFile& errore) {
    servizi_.messaggi->Informa(this, DaUtf8(errore.Messaggio()));
}

}  // namespace ardenvo
