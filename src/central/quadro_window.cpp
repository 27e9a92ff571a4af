#include "central/quadro_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>

#include "boards/array_controlli_qt.h"
#include "boards/disegni_qt.h"
#include "boards/elenchi_qt.h"
#include "boards/tessera_widget.h"
#include "boards/tile_tables.h"

namespace ardenvo {
namespace {

// What tells the two boards apart.
struct Configurazione {
    const char* nome;
    const char* titolo;
    const char* intestazione;  // over the letter column
    const char* inserisci;     // caption of the menu inserisci_dati
    int larghezza;             // client area, twips
};

constexpr Configurazione kPartenze = {"Form6", "Quadro centrale partenze",
                                      "Destinazione:", "Inserisci dati", 9240};
constexpr Configurazione kArrivi = {"Form8", "Quadro centrale arrivi",
                                    "Provenienza:", "Inserisci Dati", 9255};
constexpr int kAltezzaClient = 4335;

const Configurazione& ConfigurazioneDi(QualeQuadro quale) {
    return quale == QualeQuadro::Partenze ? kPartenze : kArrivi;
}

// Row r stands 360 twips below row r - 1; a tile lower than the row is centred in it.
constexpr int kPrimaRiga = 600;
constexpr int kPassoRighe = 360;
constexpr int kAltezzaRiga = 375;

QRect InRiga(int riga, int x, int larghezza, int altezza = kAltezzaRiga) {
    return Twip(x, kPrimaRiga + kPassoRighe * riga + (kAltezzaRiga - altezza) / 2, larghezza,
                altezza);
}

// The tile arrays of a row besides the letters: name, left edge, width, height, and the
// picture a tile shows until a draw gives it one.
struct ColonnaTessere {
    const char* nome;
    int x;
    int larghezza;
    int altezza;
    std::string_view vuota;
};
constexpr ColonnaTessere kColonne[] = {
    {"categoria", 3960, 495, 255, "catvuoto.bmp"},
    {"partenzaorab", 4680, 165, 375, TesseraVuota},
    {"partenzaoraa", 4860, 165, 375, TesseraVuota},
    {"partenzaminb", 5160, 165, 375, TesseraVuota},
    {"partenzamina", 5340, 165, 375, TesseraVuota},
    {"ritardominc", 5760, 165, 375, TesseraVuota},
    {"ritardominb", 5940, 165, 375, TesseraVuota},
    {"ritardomina", 6120, 165, 375, TesseraVuota},
    {"indicazioni", 6480, 735, 255, "indicazioni.bmp"},
    {"binariob", 7440, 165, 375, TesseraVuota},
    {"binarioa", 7620, 165, 375, TesseraVuota},
};

QString NomeLettera(int c) {
    return QStringLiteral("dest") + QString::number(c);
}

// The dark face of the hall board, with a thin rule under the headers.
class FacciaQuadro : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter pittore(this);
        pittore.fillRect(rect(), kFondoTabellone);
        pittore.setPen(QColor(96, 104, 116));
        const int y = (kPrimaRiga - 60) / kTwipPerPixel;
        pittore.drawLine(Twip(120, 0, 0, 0).x(), y, Twip(7785, 0, 0, 0).x(), y);
    }
};

}  // namespace

FormQuadro::FormQuadro(Simulazione& sim, QualeQuadro quale, std::function<void()> apriInserimento)
    : quadro_(Quadro(sim, quale)),
      quale_(quale),
      apriInserimento_(std::move(apriInserimento)),
      cartellaTessere_(CartellaTessere()) {
    const Configurazione& configurazione = ConfigurazioneDi(quale);
    setObjectName(QString::fromLatin1(configurazione.nome));
    setWindowTitle(QString::fromUtf8(configurazione.titolo));
    setAttribute(Qt::WA_DeleteOnClose);
    CreaControlli();
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &FormQuadro::Timer1_Timer);
    Form_Load();
}

void FormQuadro::CreaControlli() {
    const Configurazione& configurazione = ConfigurazioneDi(quale_);
    auto* barra = menuBar();
    auto voce = [this, barra](const char* nome, const char* testo, void (FormQuadro::*gestore)()) {
        QAction* azione = barra->addAction(QString::fromUtf8(testo));
        azione->setObjectName(QString::fromLatin1(nome));
        connect(azione, &QAction::triggered, this, gestore);
    };
    voce("inserisci_dati", configurazione.inserisci, &FormQuadro::inserisci_dati_Click);
    voce("aggiorna_tutto", "Aggiorna Tutto", &FormQuadro::aggiorna_tutto_Click);

    auto* client = new FacciaQuadro(this);
    client->setFixedSize(Twip(0, 0, configurazione.larghezza, kAltezzaClient).size());
    QPalette tavolozza = client->palette();
    tavolozza.setColor(QPalette::WindowText, kScrittaTabellone);
    client->setPalette(tavolozza);
    setCentralWidget(client);
    // The board has one size: the window follows its face.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    struct Intestazione {
        const char* testo;
        int x;
    };
    const Intestazione intestazioni[] = {{configurazione.intestazione, 120},
                                         {"Cat.:", 3960},
                                         {"Ora:", 4680},
                                         {"Rit.:", 5760},
                                         {"Ind. Sus.:", 6480},
                                         {"Bin.:", 7440}};
    ArrayControlli* label1 = NuovoArray(QStringLiteral("Label1"));
    for (int i = 0; i < 6; ++i) {
        auto* etichetta = new QLabel(QString::fromUtf8(intestazioni[i].testo), client);
        QFont carattere = etichetta->font();
        carattere.setPixelSize(11);
        carattere.setBold(true);
        etichetta->setFont(carattere);
        etichetta->move(Twip(intestazioni[i].x, 120, 0, 0).topLeft());
        etichetta->adjustSize();
        label1->Aggiungi(i, etichetta);
    }

    auto tessera = [client](QRect dove) {
        auto* nuova = new Tessera(client);
        nuova->setGeometry(dove);
        return nuova;
    };
    for (int c = 0; c < kLettereQuadro; ++c) {
        ArrayControlli* lettere = NuovoArray(NomeLettera(c));
        for (int r = 0; r < kRigheQuadro; ++r)
            lettere->Aggiungi(r, tessera(InRiga(r, 120 + 180 * c, 165)));
    }
    for (const ColonnaTessere& colonna : kColonne) {
        ArrayControlli* array = NuovoArray(QString::fromLatin1(colonna.nome));
        for (int r = 0; r < kRigheQuadro; ++r)
            array->Aggiungi(r, tessera(InRiga(r, colonna.x, colonna.larghezza, colonna.altezza)));
    }

    ArrayControlli* label6 = NuovoArray(QStringLiteral("Label6"));
    ArrayControlli* reset = NuovoArray(QStringLiteral("reset"));
    ArrayControlli* giu = NuovoArray(QStringLiteral("giu"));
    ArrayControlli* su = NuovoArray(QStringLiteral("su"));
    const QIcon frecciaGiu = FrecciaQuadro(false), frecciaSu = FrecciaQuadro(true);
    for (int r = 0; r < kRigheQuadro; ++r) {
        auto* duepunti = new QLabel(QStringLiteral(":"), client);
        QFont carattere = duepunti->font();
        carattere.setPixelSize(16);
        carattere.setBold(true);
        duepunti->setFont(carattere);
        duepunti->setAlignment(Qt::AlignCenter);
        duepunti->setGeometry(InRiga(r, 5070, 135));
        label6->Aggiungi(r, duepunti);

        QPushButton* cancella =
            PulsanteDelDisegno(client, QStringLiteral("Reset"), InRiga(r, 8040, 615));
        reset->Aggiungi(r, cancella);
        connect(cancella, &QPushButton::clicked, this, [this, r] { reset_Click(r); });

        QPushButton* basso = PulsanteDelDisegno(client, {}, InRiga(r, 8640, 255));
        basso->setIcon(frecciaGiu);
        giu->Aggiungi(r, basso);
        connect(basso, &QPushButton::clicked, this, [this, r] { giu_Click(r); });

        QPushButton* alto = PulsanteDelDisegno(client, {}, InRiga(r, 8880, 255));
        alto->setIcon(frecciaSu);
        su->Aggiungi(r, alto);
        connect(alto, &QPushButton::clicked, this, [this, r] { su_Click(r); });
    }
    // Nothing is ever above the top row or below the bottom row.
    Pulsante("su", 0)->setEnabled(false);
    Pulsante("giu", kRigheQuadro - 1)->setEnabled(false);
}

void FormQuadro::Form_Load() {
    ApriQuadro(quadro_, *this);
    // A code without a picture leaves its tile as it is; a new tile shows its field's blank.
    for (int r = 0; r < kRigheQuadro; ++r) {
        for (int c = 0; c < kLettereQuadro; ++c) {
            Tessera* lettera = TesseraDi(NomeLettera(c), r);
            if (lettera->percorso().isEmpty())
                lettera->impostaFile(cartellaTessere_ + DaUtf8(TesseraVuota));
        }
        for (const ColonnaTessere& colonna : kColonne) {
            Tessera* vuota = TesseraDi(QString::fromLatin1(colonna.nome), r);
            if (vuota->percorso().isEmpty())
                vuota->impostaFile(cartellaTessere_ + DaUtf8(colonna.vuota));
        }
    }
}

void FormQuadro::Timer1_Timer() {
    ardenvo::Timer1_Timer(quadro_, *this);
}

void FormQuadro::reset_Click(int Index) {
    Cancella_Binarioq(quadro_, Index, *this);
}

void FormQuadro::su_Click(int Index) {
    Sposta_Su(quadro_, Index, *this);
}

void FormQuadro::giu_Click(int Index) {
    Sposta_Giu(quadro_, Index, *this);
}

void FormQuadro::aggiorna_tutto_Click() {
    cancella_tutto(quadro_, *this);
}

void FormQuadro::inserisci_dati_Click() {
    if (apriInserimento_) apriInserimento_();
}

QObject* FormQuadro::Controllo(const QString& nome, int indice) const {
    return ArrayControlli::Controllo(this, nome, indice);
}

Tessera* FormQuadro::TesseraDi(const QString& nome, int riga) const {
    return Controllo<Tessera>(nome, riga);
}

ArrayControlli* FormQuadro::NuovoArray(const QString& nome) {
    return ArrayControlli::Nuovo(this, nome);
}

QPushButton* FormQuadro::Pulsante(const char* nome, int indice) const {
    return Controllo<QPushButton>(QString::fromLatin1(nome), indice);
}

void FormQuadro::Disegna(const char* nome, int riga, FileTessera file) {
    Disegna(QString::fromLatin1(nome), riga, file);
}

void FormQuadro::Disegna(const QString& nome, int riga, FileTessera file) {
    if (!file) return;
    if (Tessera* tessera = TesseraDi(nome, riga))
        tessera->impostaFile(cartellaTessere_ + DaUtf8(*file));
}

void FormQuadro::DisegnaRiga(int r) {
    if (r < 0 || r >= kRigheQuadro) return;
    const RigaQuadro& riga = quadro_.Righe[r];
    for (int c = 0; c < kLettereQuadro; ++c)
        Disegna(NomeLettera(c), r, FileLettera(riga.LettereMostrate[c]));
    DisegnaCategoria(r);
    const auto ora = FileOraQuadro(riga.OraMostrata);
    Disegna("partenzaoraa", r, ora[0]);
    Disegna("partenzaorab", r, ora[1]);
    const auto minuto = FileMinuto(riga.MinutoMostrato);
    Disegna("partenzamina", r, minuto[0]);
    Disegna("partenzaminb", r, minuto[1]);
    const auto ritardo = FileRitardo(riga.RitardoMostrato);
    Disegna("ritardomina", r, ritardo[1]);
    Disegna("ritardominb", r, ritardo[0]);
    Disegna("ritardominc", r, ritardo[2]);
    Disegna("indicazioni", r, FileIndicazioniQuadro(riga.IndicazioniMostrate));
    const auto binario = FileBinarioQuadro(riga.BinarioMostrato);
    Disegna("binarioa", r, binario[0]);
    Disegna("binariob", r, binario[1]);
}

void FormQuadro::DisegnaCategoria(int r) {
    if (r < 0 || r >= kRigheQuadro) return;
    Disegna("categoria", r, FileCategoriaQuadro(quadro_.Righe[r].CategoriaMostrata));
}

void FormQuadro::AbilitaMenu(bool abilitati) {
    for (const char* nome : {"inserisci_dati", "aggiorna_tutto"})
        Controllo<QAction>(QString::fromLatin1(nome))->setEnabled(abilitati);
}

void FormQuadro::AbilitaReset(int riga, bool abilitato) {
    if (QPushButton* pulsante = Pulsante("reset", riga)) pulsante->setEnabled(abilitato);
}

void FormQuadro::AbilitaSposta(int riga, bool giu, bool su) {
    if (QPushButton* pulsante = Pulsante("giu", riga)) pulsante->setEnabled(giu);
    if (QPushButton* pulsante = Pulsante("su", riga)) pulsante->setEnabled(su);
}

void FormQuadro::AvviaTimer() {
    Timer1.start();
}

void FormQuadro::FermaTimer() {
    Timer1.stop();
}

void FormQuadro::closeEvent(QCloseEvent* evento) {
    Timer1.stop();
    ChiudiQuadro(quadro_);
    QMainWindow::closeEvent(evento);
}

}  // namespace ardenvo
