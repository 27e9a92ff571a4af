// The departures and arrivals panels below the boards: their labels, the buttons beside their
// rows, the monitor's tick and the copy of the panels' state into the labels.

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "boards/board_setup.h"
#include "boards/disegni_qt.h"
#include "core/monitor.h"
#include "mainwindow/main_window.h"
#include "mainwindow/train_info_window.h"

namespace ardenvo {
namespace {

// Rows are 240 twips apart, level with the buttons beside them; the headers sit one row above.
constexpr int kAltezzaRiga = 16;
constexpr int kPrimaRiga = 8520 / kTwipPerPixel;
constexpr int kTestata = kPrimaRiga - kAltezzaRiga;
constexpr int kAltezzaPulsante = 255 / kTwipPerPixel;
constexpr int kLarghezzaPulsante = 375 / kTwipPerPixel;

struct ColonnaPannello {
    const char* nome;
    int larghezza;
    Qt::Alignment allineamento;
};
// In the order of the cells of a panel row. Every category name, "BUS", "3'50" and "23:59" fit
// their columns whole; a longer destination or number is cut, whole in the cell's tooltip.
constexpr ColonnaPannello kColonne[kCelle] = {
    {"Numero", 50, Qt::AlignLeft},      {"Destinazione", 131, Qt::AlignLeft},
    {"Categoriaq", 88, Qt::AlignLeft},  {"Ritardo", 30, Qt::AlignRight},
    {"Orario", 56, Qt::AlignRight},     {"Orarioeff", 54, Qt::AlignRight},
    {"Binarioq", 30, Qt::AlignHCenter},
};
constexpr int kLarghezzaPannello = [] {
    int somma = 0;
    for (const ColonnaPannello& c : kColonne) somma += c.larghezza;
    return somma;
}();
// Departures end at the "i" buttons, arrivals at their first announcement button.
constexpr int kSinistraPartenze = 6600 / kTwipPerPixel - 1 - kLarghezzaPannello;
constexpr int kSinistraArrivi = 14400 / kTwipPerPixel - 1 - kLarghezzaPannello;

const QColor kInchiostro(24, 32, 44);
const QColor kRigaPari(250, 251, 253);
const QColor kRigaDispari(232, 236, 242);

// What a panel cell shows of its text: all of it, or as much as fits before an ellipsis.
QString TestoMostrato(const QLabel& cella) {
    return QFontMetricsF(cella.font())
        .elidedText(cella.text(), Qt::ElideRight, cella.contentsRect().width());
}

// A cell that cuts a text too long for its column with an ellipsis; text() keeps it whole.
class CellaPannello : public QLabel {
  public:
    CellaPannello(const QString& testo, Qt::Alignment allineamento, QWidget* padre)
        : QLabel(testo, padre) {
        setAlignment(allineamento | Qt::AlignVCenter);
        setContentsMargins(2, 0, 2, 0);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter pittore(this);
        pittore.setPen(palette().color(QPalette::WindowText));
        pittore.drawText(contentsRect(), static_cast<int>(alignment()), TestoMostrato(*this));
    }
};

// The sheet under one panel's labels: a dark header band, striped rows and faint column
// lines, so that a row hidden by the blink leaves its stripe empty.
class FondoPannello : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter pittore(this);
        pittore.fillRect(0, 0, width(), kAltezzaRiga, kFondoTabellone);
        for (int k = 1; k <= kRighePerPannello; ++k)
            pittore.fillRect(0, k * kAltezzaRiga, width(), kAltezzaRiga,
                             k % 2 ? kRigaPari : kRigaDispari);
        pittore.setPen(kRigaDispari.darker(112));
        int x = 0;
        for (const ColonnaPannello& colonna : kColonne) {
            if (x > 0) pittore.drawLine(x, kAltezzaRiga, x, height());
            x += colonna.larghezza;
        }
        pittore.setPen(kFondoTabellone);
        pittore.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QFont Carattere(const QWidget* modello, int pixel, bool grassetto) {
    QFont carattere = modello->font();
    carattere.setPixelSize(pixel);
    carattere.setBold(grassetto);
    return carattere;
}

}  // namespace

void Form1::CreaPannelli(QWidget* client) {
    auto* stazione = new QLabel(client);
    stazione->setObjectName(QStringLiteral("labelstazione"));
    stazione->setGeometry(kSinistraPartenze + 2, kFinoBinari + 2, 960 - kSinistraPartenze, 18);
    stazione->setFont(Carattere(client, 14, true));

    const int sinistre[] = {kSinistraPartenze, kSinistraArrivi};
    for (int sinistra : sinistre) {
        auto* fondo = new FondoPannello(client);
        fondo->setGeometry(sinistra, kTestata, kLarghezzaPannello,
                           kAltezzaRiga * (kRighePerPannello + 1));
    }
    const QFont testata = Carattere(client, 10, true);
    const QFont cella = Carattere(client, 11, false);
    for (int riga = 0; riga < kRighePannelli; ++riga) {
        const bool partenze = riga < kTestataArrivi;
        const int k = riga - (partenze ? kTestataPartenze : kTestataArrivi);
        const bool intestazione = k == 0;
        int x = partenze ? kSinistraPartenze : kSinistraArrivi;
        for (int c = 0; c < kCelle; ++c) {
            const ColonnaPannello& colonna = kColonne[c];
            auto* etichetta = new CellaPannello(DaUtf8(pannelli.Righe[riga].Testi[c]),
                                                colonna.allineamento, client);
            etichetta->setGeometry(x, kTestata + k * kAltezzaRiga, colonna.larghezza, kAltezzaRiga);
            etichetta->setFont(intestazione ? testata : cella);
            QPalette tavolozza = etichetta->palette();
            tavolozza.setColor(QPalette::WindowText,
                               intestazione ? kScrittaTabellone : kInchiostro);
            etichetta->setPalette(tavolozza);
            NuovoArray(QString::fromLatin1(colonna.nome))->Aggiungi(riga, etichetta);
            x += colonna.larghezza;
        }
    }
    mostrati_ = pannelli;

    const QIcon pomello = Pomello();
    const struct {
        const char* nome;
        int sinistra;  // twips
        const char* didascalia;
        const char* suggerimento;
        int titolo;  // index of the Numero label over the column, or -1
        const char* testoTitolo;
        void (Form1::*gestore)(int);
    } colonne[] = {
        {"info", 6600, "i", nullptr, -1, nullptr, &Form1::info_Click},
        {"annuncioprova", 6960, "", "Annuncio Partenza", 16, "Part.", &Form1::annuncioprova_Click},
        {"annuncioritardop", 7320, "", "Annuncio Ritardo", 18, "Rit.",
         &Form1::annuncioritardop_Click},
        {"annuncioarrivo", 14400, "", "Annuncio Arrivo", 19, "Arri.", &Form1::annuncioarrivo_Click},
        {"annuncioritardoa", 14760, "", "Annuncio Ritardo", 17, "Rit.",
         &Form1::annuncioritardoa_Click},
    };
    const QFont piccola = Carattere(client, 9, true);
    for (const auto& colonna : colonne) {
        const int x = colonna.sinistra / kTwipPerPixel;
        if (colonna.titolo >= 0) {
            auto* titolo = new QLabel(QString::fromLatin1(colonna.testoTitolo), client);
            titolo->setGeometry(x, kTestata, kLarghezzaPulsante, kAltezzaRiga);
            titolo->setAlignment(Qt::AlignCenter);
            titolo->setFont(piccola);
            NuovoArray(QStringLiteral("Numero"))->Aggiungi(colonna.titolo, titolo);
        }
        ArrayControlli* array = NuovoArray(QString::fromLatin1(colonna.nome));
        for (int indice = 0; indice < kRighePerPannello; ++indice) {
            QPushButton* pulsante = PulsanteDelDisegno(
                client, QString::fromLatin1(colonna.didascalia),
                {x, kPrimaRiga + indice * kAltezzaRiga, kLarghezzaPulsante, kAltezzaPulsante});
            // The knob marks the announcements; "i" stands alone, so the two never look alike.
            if (*colonna.didascalia == '\0') {
                pulsante->setIcon(pomello);
                pulsante->setIconSize({12, 12});
            } else {
                pulsante->setFont(Carattere(pulsante, pulsante->font().pixelSize() + 1, true));
            }
            if (colonna.suggerimento)
                pulsante->setToolTip(QString::fromLatin1(colonna.suggerimento));
            array->Aggiungi(indice, pulsante);
            connect(pulsante, &QPushButton::clicked, this,
                    [this, gestore = colonna.gestore, indice] { (this->*gestore)(indice); });
        }
    }
}

void Form1::Timer3_Timer() {
    ardenvo::Timer3_Timer(sim_, pannelli);
    MostraPannelli();
}

void Form1::MostraPannelli() {
    for (int riga = 0; riga < kRighePannelli; ++riga) {
        const RigaPannello& nuova = pannelli.Righe[riga];
        RigaPannello& vecchia = mostrati_.Righe[riga];
        if (nuova == vecchia) continue;
        const bool visibile = nuova.Visibile != vecchia.Visibile;
        for (int c = 0; c < kCelle; ++c) {
            const bool testo = nuova.Testi[c] != vecchia.Testi[c];
            if (!testo && !visibile) continue;
            auto* etichetta = Controllo<QLabel>(QString::fromLatin1(kColonne[c].nome), riga);
            if (testo) etichetta->setText(DaUtf8(nuova.Testi[c]));
            // A number cut by its column shows whole on hover, as a destination does.
            if (testo && c == static_cast<int>(Cella::Numero))
                etichetta->setToolTip(
                    TestoMostrato(*etichetta) == etichetta->text() ? QString() : etichetta->text());
            if (visibile) etichetta->setVisible(nuova.Visibile);
        }
        if (nuova.Tooltip != vecchia.Tooltip)
            Controllo<QLabel>(QStringLiteral("Destinazione"), riga)
                ->setToolTip(DaUtf8(nuova.Tooltip));
        vecchia = nuova;
    }
}

void Form1::info_Click(int Index) {
    sim_.IndicePartenze = Index;
    if (Index < 0 || Index >= kPostiTabella) return;
    const Treno& partenza = sim_.orario.Partenze[static_cast<std::size_t>(Index)];
    if (partenza.Destinazione.empty()) return;
    // One window: while it is open it keeps the train it was opened for.
    if (!form4_) form4_ = new Form4(partenza);
    PortaDavanti(form4_);
}

}  // namespace ardenvo
