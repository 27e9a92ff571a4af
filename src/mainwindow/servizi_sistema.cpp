#include "mainwindow/servizi_sistema.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "mainwindow/about_dialog.h"

namespace ardenvo {
namespace {

// System-information programs, the first found on PATH answering.
const QStringList& ProgrammiInfoSistema() {
    static const QStringList programmi = {QStringLiteral("hardinfo2"),
                                          QStringLiteral("hardinfo"),
                                          QStringLiteral("gnome-system-monitor"),
                                          QStringLiteral("plasma-systemmonitor"),
                                          QStringLiteral("ksysguard"),
                                          QStringLiteral("mate-system-monitor"),
                                          QStringLiteral("xfce4-taskmanager")};
    return programmi;
}

}  // namespace

std::optional<ValoreRegistro> RegistroSistema::Leggi(std::uint32_t radice, const QString& chiave,
                                                     const QString& nome) const {
    if (radice != HKEY_LOCAL_MACHINE || chiave != kChiaveInfoSistema ||
        nome != QStringLiteral("PATH"))
        return std::nullopt;
    for (const QString& programma : ProgrammiInfoSistema()) {
        const QString percorso = QStandardPaths::findExecutable(programma);
        if (!percorso.isEmpty())
            return ValoreRegistro{ValoreRegistro::Tipo::Testo, percorso.toUtf8() + '\0'};
    }
    return std::nullopt;
}

bool AvvioProgrammiSistema::Esiste(const QString& percorso) const {
    return QFileInfo::exists(percorso);
}

bool AvvioProgrammiSistema::Avvia(const QString& percorso) {
    return !percorso.isEmpty() && QProcess::startDetached(percorso, {});
}

void MessaggiSistema::Informa(QWidget* finestra, const QString& testo) {
    QMessageBox scatola(QMessageBox::NoIcon, QApplication::applicationName(), testo,
                        QMessageBox::Ok, finestra);
    scatola.exec();
}

QString FiltroQt(const QString& filtro) {
    const QStringList pezzi = filtro.split(QLatin1Char('|'));
    QStringList voci;
    for (qsizetype i = 0; i + 1 < pezzi.size(); i += 2) {
        const QString descrizione = pezzi[i].trimmed();
        const QString modelli = pezzi[i + 1].trimmed().replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString tra_parentesi = QLatin1Char('(') + modelli + QLatin1Char(')');
        voci << (descrizione.endsWith(tra_parentesi)
                     ? descrizione
                     : (descrizione + QLatin1Char(' ') + tra_parentesi).trimmed());
    }
    return voci.join(QStringLiteral(";;"));
}

void ImpostaDialogoFile(QFileDialog& dialogo, const QString& filtro, bool salva) {
    dialogo.setWindowTitle(salva ? QStringLiteral("Salva con nome") : QStringLiteral("Apri"));
    dialogo.setNameFilter(FiltroQt(filtro));
    dialogo.setAcceptMode(salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogo.setFileMode(salva ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Only a new file gets the filter's extension ("*.vkz" gives ".vkz"): a file to open is
    // one that exists, under the very name typed.
    const QString modello = filtro.section(QLatin1Char('|'), 1, 1).trimmed();
    const bool unaEstensione =
        modello.startsWith(QStringLiteral("*.")) && !modello.contains(QLatin1Char(';'));
    dialogo.setDefaultSuffix(salva && unaEstensione ? modello.mid(2) : QString());
}

DialogoFileSistema::DialogoFileSistema()
    : cartella_(QCoreApplication::applicationDirPath() + QStringLiteral("/scenari")) {}

std::optional<QString> DialogoFileSistema::Apri(QWidget* finestra, const QString& filtro) {
    return Scegli(finestra, filtro, false);
}

std::optional<QString> DialogoFileSistema::Salva(QWidget* finestra, const QString& filtro) {
    return Scegli(finestra, filtro, true);
}

std::optional<QString> DialogoFileSistema::Scegli(QWidget* finestra, const QString& filtro,
                                                  bool salva) {
    QFileDialog dialogo(finestra, QString(), cartella_);
    ImpostaDialogoFile(dialogo, filtro, salva);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return std::nullopt;
    const QString scelto = dialogo.selectedFiles().constFirst();
    cartella_ = QFileInfo(scelto).absolutePath();
    return scelto;
}

}  // namespace ardenvo
