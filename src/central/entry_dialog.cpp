#include "central/entry_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <tuple>
#include <vector>

#include "boards/elenchi_qt.h"
#include "boards/insert_dialog.h"
#include "boards/messaggi_qt.h"
#include "boards/motivo_qt.h"
#include "central/immissione_quadro.h"
#include "core/codici.h"

namespace ardenvo {
namespace {

// The design is in twips. The dialog's font is larger than the one it was drawn for, so a
// pixel stands for fewer twips than on the boards, and a caption or list wider than its design
// pushes what follows it on its line.
constexpr int kTwipPerPixelDialogo = 12;
constexpr int Px(int twip) {
    return twip / kTwipPerPixelDialogo;
}
constexpr int kSpazio = 6;  // pixels between a caption and its control

struct Configurazione {
    const char* nome;
    const char* titolo;
    int larghezza;    // client width, twips
    int spostamento;  // twips every control and caption stands further right
};

Configurazione ConfigurazioneDi(QualeQuadro quale) {
    if (quale == QualeQuadro::Partenze)
        return {"Form7", "Inserimento dati (Tabellone generale partenze)", 6615, 0};
    return {"Form9", "Inserimento dati (Tabellone generale arrivi)", 7410, 840};
}

QLabel* Didascalia(QWidget* padre, int numero, const char* testo) {
    auto* l = new QLabel(QString::fromUtf8(testo), padre);
    l->setObjectName(QStringLiteral("Label%1").arg(numero));
    return l;
}

// Places `w` at `x`, `y` with the height `h`, as wide as `larghezza` or its content asks;
// returns its right edge.
int Posa(QWidget* w, int x, int y, int larghezza, int h) {
    w->setGeometry(x, y, std::max(larghezza, w->sizeHint().width()), h);
    return x + w->width();
}

}  // namespace

FormImmissione::FormImmissione(Simulazione& sim, QualeQuadro quale, Messaggi& messaggi,
                               std::function<VistaQuadro*()> finestraQuadro)
    : QDialog(nullptr),
      sim_(sim),
      quale_(quale),
      messaggi_(messaggi),
      finestraQuadro_(std::move(finestraQuadro)) {
    const Configurazione conf = ConfigurazioneDi(quale);
    setObjectName(QString::fromLatin1(conf.nome));
    setWindowTitle(QString::fromLatin1(conf.titolo));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaxLength(kLettereQuadro);
    Combo1 = NuovoElenco(this, QStringLiteral("Combo1"), VociElenco(VociCategorie));
    Combo2 = NuovoElenco(this, QStringLiteral("Combo2"), VociElenco(ElencoIndicazioni));
    Combo3 = NuovoElenco(this, QStringLiteral("Combo3"), VociElenco(TestiRitardi));
    Combo4[1] = NuovoElenco(this, QStringLiteral("Combo4(1)"), {});
    Combo4[0] = NuovoElenco(this, QStringLiteral("Combo4(0)"), {});
    Combo6 = NuovoElenco(this, QStringLiteral("Combo6"), {});
    for (int i = 0; i < 2; ++i) {
        bindef[i] = new QRadioButton(this);
        bindef[i]->setObjectName(QStringLiteral("bindef(%1)").arg(i));
    }
    bindef[0]->setChecked(true);
    Command1 = new QPushButton(QStringLiteral("Ok"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("Cancella"), this);
    Command2->setObjectName(QStringLiteral("Command2"));

    Disponi(conf.spostamento, conf.larghezza);

    QWidget* ordine[] = {Text1,  Combo1,    Combo2,    Combo3,   Combo4[1], Combo4[0],
                         Combo6, bindef[0], bindef[1], Command1, Command2};
    for (std::size_t i = 0; i + 1 < std::size(ordine); ++i)
        QWidget::setTabOrder(ordine[i], ordine[i + 1]);
    Text1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &FormImmissione::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FormImmissione::Command2_Click);

    Form_Load();
}

void FormImmissione::Disponi(int s, int larghezza) {
    const int xDidascalie = Px(3000 + s);
    const int altezzaCampo = Px(315);

    // One line a field, its caption on the left; the fields line up right of the widest caption.
    const std::tuple<const char*, QWidget*, int, int> linee[] = {
        {"Destinazione", Text1, 240, 1935}, {"Categoria", Combo1, 600, 1455},
        {"Ind. Suss.", Combo2, 960, 2175},  {"Ritardo", Combo3, 1320, 1215},
        {"Ore", Combo4[1], 1680, 735},      {"Binario", Combo6, 2040, 735}};
    int xCampi = Px(4200 + s);
    std::vector<QLabel*> didascalie;
    for (auto [testo, campo, top, largo] : linee) {
        didascalie.push_back(Didascalia(this, static_cast<int>(didascalie.size()) + 1, testo));
        xCampi = std::max(xCampi, xDidascalie + didascalie.back()->sizeHint().width() + kSpazio);
    }
    int destra = 0;
    for (std::size_t i = 0; i < std::size(linee); ++i) {
        auto [testo, campo, top, largo] = linee[i];
        Posa(didascalie[i], xDidascalie, Px(top), 0, altezzaCampo);
        destra = std::max(destra, Posa(campo, xCampi, Px(top), Px(largo), altezzaCampo));
    }

    // The minute beside the hour.
    QLabel* minuti = Didascalia(this, 7, "Minuti");
    const int yOra = Combo4[1]->y();
    int x = Posa(minuti, std::max(Px(5040 + s), Combo4[1]->x() + Combo4[1]->width() + kSpazio),
                 yOra, 0, altezzaCampo);
    destra = std::max(
        destra, Posa(Combo4[0], std::max(Px(5640 + s), x + kSpazio), yOra, Px(735), altezzaCampo));

    // "Binario Definitivo" (o)  "Binario Provvisorio" (o), each option right of its caption.
    const int altezzaOpzione = std::max(Px(195), bindef[0]->sizeHint().height());
    const int yOpzioni = Px(2520);
    const int yDidascalia = yOpzioni + (altezzaOpzione - altezzaCampo) / 2;
    x = Posa(Didascalia(this, 8, "Binario Definitivo"), xDidascalie, yDidascalia, 0, altezzaCampo);
    x = Posa(bindef[0], std::max(Px(4320 + s), x + kSpazio), yOpzioni, Px(255), altezzaOpzione);
    x = Posa(Didascalia(this, 9, "Binario Provvisorio"), std::max(Px(4680 + s), x + 2 * kSpazio),
             yDidascalia, 0, altezzaCampo);
    x = Posa(bindef[1], std::max(Px(6120 + s), x + kSpazio), yOpzioni, Px(255), altezzaOpzione);
    destra = std::max(destra, x);

    const int yPulsanti = Px(2880);
    x = Posa(Command1, Px(3480 + s), yPulsanti, Px(1215), Px(375));
    destra = std::max(
        destra, Posa(Command2, std::max(Px(4800 + s), x + kSpazio), yPulsanti, Px(1335), Px(375)));

    const int altezza = std::max(Px(3480), yPulsanti + Px(375) + Px(225));
    setFixedSize(std::max(Px(larghezza), destra + Px(240)), altezza);
    // The picture fills the left part, up to the captions.
    Picture1->setGeometry(0, 0, xDidascalie - Px(120), altezza);
    Picture1->setPixmap(MotivoTabellone(Picture1->width(), altezza));
}

void FormImmissione::Form_Load() {
    Combo6->addItems(Numeri(1, sim_.orario.NumeroBinari));
    Combo4[1]->addItems(Numeri(0, 23));
    Combo4[0]->addItems(Numeri(0, 59));
    for (QComboBox* c : {Combo4[0], Combo4[1], Combo6}) c->setCurrentIndex(c->count() > 0 ? 0 : -1);
}

void FormImmissione::Command1_Click() {
    DatiInserimento dati = LeggiInserimento(*Text1, *Combo1, *Combo2, *Combo3, Combo4, *Combo6);
    dati.Provvisorio = !bindef[0]->isChecked();
    const auto riga = InserisciTreno(Quadro(sim_, quale_), finestraQuadro_(),
                                     [&dati](RigaQuadro& r) { ScriviInserimento(r, dati); });
    if (!riga) {
        // Nothing written: the entries stay, for when a row has been cleared.
        messaggi_.Informa(this, QStringLiteral("Nessuna riga libera sul quadro"));
        return;
    }
    close();
}

void FormImmissione::Command2_Click() {
    close();
}

}  // namespace ardenvo
