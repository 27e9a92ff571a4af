#include "mainwindow/train_info_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "boards/elenchi_qt.h"
#include "core/convertitori.h"
#include "core/fermate.h"

namespace ardenvo {

Form4::Form4(const Treno& partenza) {
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinimizeButtonHint);

    auto* griglia = new QGridLayout(this);
    auto titolo = [this, griglia](const char* nome, const char* testo, int riga) {
        auto* etichetta = new QLabel(QString::fromLatin1(testo), this);
        etichetta->setObjectName(QString::fromLatin1(nome));
        griglia->addWidget(etichetta, riga, 0, Qt::AlignTop | Qt::AlignLeft);
    };
    titolo("eti4", "Fermate successive:", 0);
    titolo("Label1", "Indicazioni sussidiarie:", 1);
    titolo("Label2", "Note al treno:", 2);

    // For reading only: nothing typed here is kept.
    auto* fermate = new QListWidget(this);
    fermate->setObjectName(QStringLiteral("List1"));
    auto* indicaz = new QLineEdit(this);
    indicaz->setObjectName(QStringLiteral("indicaz"));
    indicaz->setReadOnly(true);
    auto* note = new QPlainTextEdit(this);
    note->setObjectName(QStringLiteral("note"));
    note->setReadOnly(true);
    note->setFixedHeight(64);
    griglia->addWidget(fermate, 0, 1);
    griglia->addWidget(indicaz, 1, 1);
    griglia->addWidget(note, 2, 1);
    griglia->setColumnStretch(1, 1);
    resize(440, 320);

    Form_Load(partenza);
}

void Form4::Form_Load(const Treno& partenza) {
    setWindowTitle(QStringLiteral("Informazioni sul treno n°") + DaUtf8(partenza.NumeroTreno));
    auto* fermate = findChild<QListWidget*>(QStringLiteral("List1"));
    fermate->clear();
    for (const std::string& fermata : ElencoFermate(partenza.FermateSuccessive))
        fermate->addItem(DaUtf8(fermata));
    // A code the table does not know shows nothing rather than a stale text.
    findChild<QLineEdit*>(QStringLiteral("indicaz"))
        ->setText(DaUtf8(Numero_Indicazioni(partenza.Indicazioni).value_or("")));
    findChild<QPlainTextEdit*>(QStringLiteral("note"))->setPlainText(DaUtf8(partenza.Note));
}

}  // namespace ardenvo
