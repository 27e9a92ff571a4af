// The 23 platform boards: their controls, their covers and buttons, and the six operations that
// draw a row's shown codes into its tiles.

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "boards/board_setup.h"
#include "boards/disegni_qt.h"
#include "boards/tessera_widget.h"
#include "boards/tile_tables.h"
#include "mainwindow/main_window.h"

namespace ardenvo {
namespace {

const QColor kBordoCella(112, 120, 132);

// The dark face of one board, with the line it shares with its neighbours.
class CellaBinario : public QWidget {
  public:
    explicit CellaBinario(QWidget* padre) : QWidget(padre) {
        QPalette tavolozza = palette();
        tavolozza.setColor(QPalette::WindowText, kScrittaTabellone);
        setPalette(tavolozza);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter pittore(this);
        pittore.fillRect(rect(), kFondoTabellone);
        pittore.setPen(kBordoCella);
        pittore.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

}  // namespace

void Form1::CreaBinari(QWidget* client) {
    for (int numero = 1; numero <= kBinari; ++numero) CreaBinario(client, numero);
}

void Form1::CreaBinario(QWidget* client, int numero) {
    const auto nomi = NomiControlliBinario(numero);
    const PuntoTwip origine = OrigineCella(*CellaDelBinario(numero));
    auto* cella = new CellaBinario(client);
    cella->setGeometry(Twip(origine.x, origine.y, kLarghezzaCella, kAltezzaCella));
    const int riga = numero - 1;

    auto* cartello = new Tessera(cella);
    cartello->setGeometry(Twip(0, 0, 615, 555));
    cartello->impostaImmagine(CartelloBinario(numero));
    NuovoArray(QStringLiteral("Picture7"))->Aggiungi(riga, cartello);

    auto etichetta = [cella](const char* testo, QRect dove) {
        auto* scritta = new QLabel(QString::fromLatin1(testo), cella);
        QFont piccolo = scritta->font();
        piccolo.setPixelSize(10);
        scritta->setFont(piccolo);
        scritta->setGeometry(dove);
        // Wide enough for its text even where the design's box is a little narrow.
        scritta->resize(qMax(dove.width(), scritta->sizeHint().width()), dove.height());
        scritta->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    };
    auto tessera = [cella](QRect dove) {
        auto* nuova = new Tessera(cella);
        nuova->setGeometry(dove);
        return nuova;
    };
    auto tessere = [&](const std::string& nome, std::initializer_list<std::pair<int, int>> xIndici,
                       int y) {
        ArrayControlli* array = NuovoArray(QString::fromStdString(nome));
        for (auto [x, indice] : xIndici) array->Aggiungi(indice, tessera(Twip(x, y, 165, 375)));
    };

    etichetta("Direzione:", Twip(720, 120, 1575, 240));
    ArrayControlli* lettere = NuovoArray(QString::fromStdString(nomi->binariolett));
    for (int k = 0; k < kCelleDestinazione; ++k)
        lettere->Aggiungi(k, tessera(Twip(720 + 180 * k, 360, 165, 375)));

    etichetta("Cat.", Twip(45, 735, 255, 255));
    tessera(Twip(405, 705, 495, 255))->setObjectName(QString::fromStdString(nomi->categoria));
    etichetta("Rit.", Twip(1005, 735, 375, 375));
    tessere(nomi->ritardomin, {{1320, 2}, {1500, 0}, {1680, 1}}, 705);
    etichetta("Ore:", Twip(1995, 735, 375, 375));
    tessere(nomi->partenzaora, {{2400, 1}, {2580, 0}}, 705);
    etichetta(":", Twip(2790, 735, 135, 375));
    tessere(nomi->partenzamin, {{2880, 1}, {3060, 0}}, 705);

    QPushButton* reset =
        PulsanteDelDisegno(cella, QStringLiteral("Reset"), Twip(0, 1080, 615, 255));
    NuovoArray(QStringLiteral("resetta"))->Aggiungi(riga, reset);
    connect(reset, &QPushButton::clicked, this, [this, riga] { resetta_Click(riga); });
    QPushButton* ritardo =
        PulsanteDelDisegno(cella, QStringLiteral("Agg. Rit."), Twip(600, 1080, 855, 255));
    NuovoArray(QStringLiteral("aggiorna"))->Aggiungi(riga, ritardo);
    connect(ritardo, &QPushButton::clicked, this, [this, riga] { aggiorna_Click(riga); });

    etichetta("Ind. Suss:", Twip(1590, 1080, 975, 255));
    tessera(Twip(2400, 1050, 735, 255))->setObjectName(QString::fromStdString(nomi->indicazioni));

    // Laid over the whole cell of a platform the station lacks; pressing it does nothing.
    QPushButton* copertura = new QPushButton(cella);
    copertura->setGeometry(Twip(0, 0, kLarghezzaCella, kAltezzaCella));
    copertura->setFocusPolicy(Qt::NoFocus);
    copertura->hide();
    NuovoArray(QStringLiteral("copri"))->Aggiungi(riga, copertura);
}

void Form1::Assegna_Binari() {
    const auto nomi = NomiControlliBinario(binario);
    if (!nomi) return;  // the next draw goes to the board last named
    binariolett = QString::fromStdString(nomi->binariolett);
    categoria = QString::fromStdString(nomi->categoria);
    ritardomin = QString::fromStdString(nomi->ritardomin);
    partenzaora = QString::fromStdString(nomi->partenzaora);
    partenzamin = QString::fromStdString(nomi->partenzamin);
    indicazioni = QString::fromStdString(nomi->indicazioni);
}

void Form1::Inizializza_Binari() {
    for (binario = 1; binario <= kBinari; ++binario) {
        contbinario = binario - 1;
        DisegnaBinario();
    }
}

void Form1::DisegnaBinario() {
    Assegna_Binari();
    for (n = 0; n < kCelleDestinazione; ++n) Scegli_Lettere();
    n = 0;
    Scegli_Categoria();
    Scegli_Ritardo_Min();
    Scegli_Ora();
    Scegli_Min();
    Scegli_Indicazioni();
}

void Form1::Copri_Binari() {
    // A count above 23 uncovers every board; a negative one covers them all.
    const int piattaforme = sim_.orario.NumeroBinari;
    for (int Colonna = 0; Colonna < kBinari; ++Colonna)
        Pulsante("copri", Colonna)->setVisible(Colonna >= piattaforme);
}

void Form1::Gestione_Pulsanti_Riga(int Riga) {
    animazione_.Gestione_Pulsanti_Riga(Riga);
}

const RigaBinario* Form1::RigaCorrente() const {
    if (contbinario < 0 || contbinario >= kBinari) return nullptr;
    return &sim_.binari[static_cast<std::size_t>(contbinario)];
}

void Form1::Disegna(const QString& nome, int indice, std::optional<std::string_view> file) {
    if (!file) return;
    if (auto* tessera = Controllo<Tessera>(nome, indice))
        tessera->impostaFile(PercorsoTessera(*file));
}

void Form1::Disegna(const QString& nome, std::span<const FileTessera> file) {
    for (std::size_t i = 0; i < file.size(); ++i) Disegna(nome, n + static_cast<int>(i), file[i]);
}

void Form1::Scegli_Lettere() {
    const RigaBinario* riga = RigaCorrente();
    if (!riga || n < 0 || n >= kCelleDestinazione) return;
    Disegna(binariolett, n, FileLettera(riga->CodiciLettere[static_cast<std::size_t>(n)]));
}

void Form1::Scegli_Categoria() {
    if (const RigaBinario* riga = RigaCorrente())
        Disegna(categoria, -1, FileCategoria(riga->CodiceCategoria));
}

void Form1::Scegli_Indicazioni() {
    if (const RigaBinario* riga = RigaCorrente())
        Disegna(indicazioni, -1, FileIndicazioni(riga->CodiceIndicazioni));
}

void Form1::Scegli_Ritardo_Min() {
    if (const RigaBinario* riga = RigaCorrente())
        Disegna(ritardomin, FileRitardo(riga->RitardoMinuti));
}

void Form1::Scegli_Ora() {
    if (const RigaBinario* riga = RigaCorrente()) Disegna(partenzaora, FileOra(riga->OraPartenza));
}

void Form1::Scegli_Min() {
    if (const RigaBinario* riga = RigaCorrente())
        Disegna(partenzamin, FileMinuto(riga->MinutoPartenza));
}

}  // namespace ardenvo
