#include "mainwindow/about_dialog.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "boards/disegni_qt.h"
#include "mainwindow/versione.h"

namespace ardenvo {
namespace {

QLabel* Etichetta(QWidget* padre, const char* nome, const QString& testo, QRect dove) {
    auto* etichetta = new QLabel(testo, padre);
    etichetta->setObjectName(QString::fromLatin1(nome));
    etichetta->setGeometry(dove);
    etichetta->setWordWrap(true);
    etichetta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return etichetta;
}

QFrame* Riga(QWidget* padre, int y, const QColor& colore) {
    auto* riga = new QFrame(padre);
    riga->setObjectName(QStringLiteral("Line1"));
    riga->setGeometry(6, y, 370, 1);
    riga->setAutoFillBackground(true);
    QPalette tavolozza = riga->palette();
    tavolozza.setColor(QPalette::Window, colore);
    riga->setPalette(tavolozza);
    return riga;
}

}  // namespace

frmAbout::frmAbout(const ServiziForm1& servizi, QWidget* parent)
    : QDialog(parent), servizi_(servizi) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setFixedSize(382, 237);

    auto* icona = new QLabel(this);
    icona->setObjectName(QStringLiteral("picIcon"));
    icona->setGeometry(16, 16, 32, 32);
    icona->setPixmap(IconaProgramma().pixmap(QSize(32, 32), devicePixelRatioF()));

    QLabel* titolo = Etichetta(this, "lblTitle", QString(), {70, 14, 296, 30});
    QFont grande = titolo->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.6);
    grande.setBold(true);
    titolo->setFont(grande);
    // Two lines for the credits and three for the description, all above the separator.
    Etichetta(this, "lblVersion", QString(), {70, 46, 296, 18});
    Etichetta(this, "Label1",
              QStringLiteral("Simulatore del sistema di informazione al pubblico di una "
                             "stazione ferroviaria italiana."),
              {70, 66, 296, 32});
    Etichetta(this, "lblDescription",
              QStringLiteral("Per domande sull'uso del simulatore rivolgersi a chi lo ha "
                             "installato o al gruppo che ne cura lo sviluppo."),
              {70, 100, 296, 48});
    Riga(this, 152, QColor(128, 128, 128));
    Riga(this, 153, Qt::white);
    Etichetta(this, "lblDisclaimer",
              QStringLiteral("Programma a scopo didattico e dimostrativo. Segnalazioni e "
                             "proposte sono benvenute presso il gruppo di sviluppo di Ardenvo."),
              {16, 166, 250, 62});

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(276, 166, 92, 25);
    ok->setDefault(true);  // Enter presses it unless the focus is on another button
    auto* info = new QPushButton(QStringLiteral("&System Info..."), this);
    info->setObjectName(QStringLiteral("cmdSysInfo"));
    info->setGeometry(276, 198, 92, 25);
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(info, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
}

void frmAbout::Form_Load() {
    setWindowTitle(QStringLiteral("Informazioni su... Ardenvo"));
    findChild<QLabel*>(QStringLiteral("lblVersion"))
        ->setText(QStringLiteral("Versione ") + NumeroVersione());
    findChild<QLabel*>(QStringLiteral("lblTitle"))->setText(QStringLiteral("Ardenvo"));
}

// Escape reaches QDialog::reject, which closes the box just as OK does.
void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    QString percorso;
    bool trovato =
        GetKeyValue(HKEY_LOCAL_MACHINE, kChiaveInfoSistema, QStringLiteral("PATH"), percorso);
    if (!trovato && GetKeyValue(HKEY_LOCAL_MACHINE, kChiavePosizioneStrumenti,
                                QStringLiteral("MSINFO"), percorso)) {
        percorso += QStringLiteral("\\MSINFO32.EXE");
        trovato = servizi_.avvio->Esiste(percorso);
    }
    if (trovato && servizi_.avvio->Avvia(percorso)) return;
    servizi_.messaggi->Informa(this, kInfoSistemaNonDisponibile);
}

bool frmAbout::GetKeyValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                           QString& KeyVal) const {
    const std::optional<ValoreRegistro> valore =
        servizi_.registro->Leggi(KeyRoot, KeyName, SubKeyRef);
    if (!valore || valore->dati.size() > kBufferRegistro) {
        KeyVal.clear();
        return false;
    }
    QByteArray letti = valore->dati;
    if (letti.endsWith('\0')) letti.chop(1);
    switch (valore->tipo) {
        case ValoreRegistro::Tipo::Testo:
            KeyVal = QString::fromUtf8(letti);
            break;
        case ValoreRegistro::Tipo::Numero32: {
            std::uint32_t numero = 0;
            for (qsizetype i = qMin<qsizetype>(letti.size(), 4) - 1; i >= 0; --i)
                numero = (numero << 8) | static_cast<std::uint8_t>(letti[i]);
            KeyVal = QStringLiteral("&h") + QString::number(numero, 16).toUpper();
            break;
        }
        case ValoreRegistro::Tipo::Altro:
            break;
    }
    return true;
}

}  // namespace ardenvo
