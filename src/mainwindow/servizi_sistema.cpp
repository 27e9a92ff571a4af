#include "mainwindow/servizi_sistema.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include "mainwindow/about_dialog.h"

namespace ardenvo {

const QStringList& RegistroSistema::ProgrammiInfoSistema() {
    static const QStringList programmi = {QStringLiteral("hardinfo2"),
                                          QStringLiteral("hardinfo"),
                                          QStringLiteral("gnome-system-monitor"),
                                          QStringLiteral("plasma-systemmonitor"),
                                          QStringLiteral("ksysguard"),
                                          QStringLiteral("mate-system-monitor"),
                                          QStringLiteral("xfce4-taskmanager")};
    return programmi;
}

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

}  // namespace ardenvo
