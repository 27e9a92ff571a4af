#include "mainwindow/applicazione.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>

#include "boards/disegni_qt.h"

namespace ardenvo {

Applicazione::Applicazione(QApplication& app) : sim_(std::make_unique<Simulazione>()) {
    QApplication::setApplicationName(QStringLiteral("Ardenvo"));
    // Every window takes it, the ownerless ones that do not belong to the main window too.
    QApplication::setWindowIcon(IconaProgramma());
    // Buttons and messages of Qt's standard dialogs speak Italian like the rest of the program.
    if (traduzioni_.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&traduzioni_);
    else
        qWarning("Traduzioni italiane di Qt non trovate");
    finestra_ = std::make_unique<Form1>(
        *sim_, ServiziForm1{&registro_, &avvio_, &messaggi_, &dialogo_, &casuale_, &voce_});
}

Applicazione::~Applicazione() = default;

}  // namespace ardenvo
