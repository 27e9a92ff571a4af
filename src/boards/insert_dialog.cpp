#include "boards/insert_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "boards/animazione.h"
#include "boards/elenchi_qt.h"
#include "boards/immissione.h"
#include "boards/motivo_qt.h"
#include "core/codici.h"
#include "core/convertitori.h"

namespace ardenvo {
namespace {

constexpr int kLarghezza = 448;
constexpr int kAltezza = 252;
constexpr int kMotivo = 121;       // width of the picture on the left
constexpr int kXDidascalia = 132;  // captions
constexpr int kXCampo = 216;       // fields
constexpr int kPassoRiga = 32;
constexpr int kAltezzaCampo = 24;

QLabel* Didascalia(QWidget* padre, const char* nome, const QString& testo, int x, int y) {
    auto* l = new QLabel(testo, padre);
    l->setObjectName(nome);
    l->setGeometry(x, y, 80, kAltezzaCampo);
    return l;
}

QComboBox* Elenco(QWidget* padre, const QString& nome, const QStringList& voci, int x, int y,
                  int larghezza) {
    QComboBox* c = NuovoElenco(padre, nome, voci);
    c->setGeometry(x, y, larghezza, kAltezzaCampo);
    return c;
}

}  // namespace

DatiInserimento LeggiInserimento(const QLineEdit& Text1, const QComboBox& Combo1,
                                 const QComboBox& Combo2, const QComboBox& Combo3,
                                 const std::array<QComboBox*, 2>& Combo4, const QComboBox& Combo6) {
    DatiInserimento dati;
    dati.Destinazione = Text1.text().toStdString();
    dati.Categoria = Combo1.currentText().toStdString();
    dati.Indicazioni = Combo2.currentText().toStdString();
    dati.Ritardo = Combo3.currentText().toStdString();
    dati.Ora = static_cast<std::int16_t>(Combo4[1]->currentText().toInt());
    dati.Minuto = static_cast<std::int16_t>(Combo4[0]->currentText().toInt());
    dati.Binario = Combo6.currentText().toInt();
    return dati;
}

Form2::Form2(AnimazioneBinari& animazione, QWidget* principale)
    : QDialog(nullptr), animazione_(animazione), principale_(principale) {
    setObjectName("Form2");
    setWindowTitle("Inserimento Dati");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(kLarghezza, kAltezza);

    Picture1 = new QLabel(this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(0, 0, kMotivo, kAltezza);
    Picture1->setPixmap(MotivoTabellone(kMotivo, kAltezza));

    int y = 14;
    Didascalia(this, "Label1", "Destinazione", kXDidascalia, y);
    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    Text1->setMaxLength(14);
    Text1->setGeometry(kXCampo, y, 150, kAltezzaCampo);

    y += kPassoRiga;
    Didascalia(this, "Label2", "Categoria", kXDidascalia, y);
    Combo1 =
        Elenco(this, "Combo1", VociElenco(std::span(VociCategorie).first(VociCategorie.size() - 1)),
               kXCampo, y, 150);

    y += kPassoRiga;
    Didascalia(this, "Label3", "Ind. Suss.", kXDidascalia, y);
    Combo2 =
        Elenco(this, "Combo2", VociElenco(std::span(ElencoIndicazioni).first(kIndicazioniBinari)),
               kXCampo, y, 222);

    y += kPassoRiga;
    Didascalia(this, "Label4", "Ritardo", kXDidascalia, y);
    Combo3 = Elenco(this, "Combo3", VociElenco(TestiRitardi), kXCampo, y, 70);

    y += kPassoRiga;
    Didascalia(this, "Label5", "Ore", kXDidascalia, y);
    Combo4[1] = Elenco(this, "Combo4(1)", {}, kXCampo, y, 56);
    Didascalia(this, "Label6", "Minuti", kXCampo + 66, y);
    Combo4[0] = Elenco(this, "Combo4(0)", {}, kXCampo + 116, y, 56);

    y += kPassoRiga;
    Didascalia(this, "Label7", "Binario", kXDidascalia, y);
    Combo6 = Elenco(this, "Combo6", {}, kXCampo, y, 56);

    y += kPassoRiga + 10;
    Command1 = new QPushButton("Ok", this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(kXDidascalia, y, 90, 28);
    Command2 = new QPushButton("Cancella", this);
    Command2->setObjectName("Command2");
    Command2->setGeometry(kXDidascalia + 104, y, 90, 28);

    QWidget::setTabOrder(Text1, Combo1);
    QWidget::setTabOrder(Combo1, Combo2);
    QWidget::setTabOrder(Combo2, Combo3);
    QWidget::setTabOrder(Combo3, Combo4[1]);
    QWidget::setTabOrder(Combo4[1], Combo4[0]);
    QWidget::setTabOrder(Combo4[0], Combo6);
    QWidget::setTabOrder(Combo6, Command1);
    QWidget::setTabOrder(Command1, Command2);
    Text1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);

    Form_Load();
}

void Form2::Form_Load() {
    for (int b : BinariLiberi(animazione_.sim())) Combo6->addItem(QString::number(b));
    Combo4[1]->addItems(Numeri(0, 23));
    Combo4[0]->addItems(Numeri(0, 59));
    Combo4[0]->setCurrentIndex(0);
    Combo4[1]->setCurrentIndex(0);
    Combo6->setCurrentIndex(Combo6->count() > 0 ? 0 : -1);
    // With no free board there is nothing to confirm.
    Command1->setEnabled(Combo6->count() > 0);
}

bool Form2::PrincipaleAperta() const {
    return principale_ && principale_->isVisible();
}

void Form2::Command1_Click() {
    if (PrincipaleAperta() && Combo6->currentIndex() >= 0) {
        const DatiInserimento dati =
            LeggiInserimento(*Text1, *Combo1, *Combo2, *Combo3, Combo4, *Combo6);
        contbinario = static_cast<std::int16_t>(dati.Binario - 1);
        Inserisci(animazione_, dati);
    }
    close();
}

void Form2::Command2_Click() {
    close();
}

}  // namespace ardenvo
