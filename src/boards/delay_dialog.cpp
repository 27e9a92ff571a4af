#include "boards/delay_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "boards/elenchi_qt.h"
#include "boards/immissione.h"
#include "boards/motivo_qt.h"
#include "core/codici.h"

namespace ardenvo {

Form3::Form3(AnimazioneBinari& animazione, int Index, QWidget* parent)
    : QDialog(parent), contbinario(static_cast<std::int16_t>(Index)), animazione_(animazione) {
    setObjectName("Form3");
    setWindowTitle("Aggiorna Ritardo");
    setModal(true);
    setFixedSize(274, 85);

    // The picture starts above the top edge: its top rows are cut off.
    Picture1 = new QLabel(this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(0, -8, 121, 97);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(MotivoTabellone(121, 115));

    Label3 = new QLabel("Ritardo", this);
    Label3->setObjectName("Label3");
    Label3->setGeometry(136, 20, 57, 25);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Combo2 = NuovoElenco(this, "Combo2", VociElenco(TestiRitardi));
    Combo2->setGeometry(184, 16, 81, 22);

    Command1 = new QPushButton("Ok", this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(136, 48, 57, 25);
    Command2 = new QPushButton("Cancella", this);
    Command2->setObjectName("Command2");
    Command2->setGeometry(200, 48, 57, 25);

    QWidget::setTabOrder(Command2, Command1);
    QWidget::setTabOrder(Command1, Combo2);
    Command2->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
}

void Form3::Command1_Click() {
    AggiornaRitardo(animazione_, contbinario, Combo2->currentText().toStdString());
    accept();
}

void Form3::Command2_Click() {
    reject();
}

}  // namespace ardenvo
