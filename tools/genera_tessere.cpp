// Draws every picture of the "Numeri e Lettere" folder: the split-flap tiles of the platform
// and central boards (BMP) and the dot-matrix digits of the clock (JPEG).
//
//   genera_tessere OUTPUT_FOLDER
//
// Each picture is drawn at three times the size of the tile that shows it, so that a tile
// painted scaled into its rectangle stays sharp on high-density screens. The clock's digits
// are drawn by the program's own clock drawing, so its built-in zero matches them. The output
// depends only on these sources and the DejaVu Sans Bold font, so every build writes the same
// pictures.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QTransform>
#include <cstdio>
#include <vector>

#include "boards/disegni_qt.h"

namespace {

constexpr int kScala = 3;

// Design sizes in screen pixels of the tiles that show each kind of picture.
constexpr QSize kCella{11, 25};  // a letter or a digit
constexpr QSize kCategoria{33, 17};
constexpr QSize kNota{49, 17};  // service note

const QColor kFessura{10, 10, 12};  // the gap that shows around a flap
const QColor kScritta{238, 236, 226};
const QColor kProvvisorio{255, 196, 40};
const QColor kSoppresso{255, 112, 98};

struct Tessera {
    QString nome;
    QImage immagine;
};

QFont carattere() {
    static const QFont font = [] {
        QFont f;
        const int id = QFontDatabase::addApplicationFont(
            "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
        const QStringList famiglie = QFontDatabase::applicationFontFamilies(id);
        if (!famiglie.isEmpty()) {
            f = QFont(famiglie.first());
        } else {
            std::fprintf(stderr,
                         "genera_tessere: DejaVuSans-Bold.ttf not found, asking for it by name\n");
            f = QFont("DejaVu Sans");
        }
        f.setBold(true);
        f.setPixelSize(100);
        f.setHintingPreference(QFont::PreferNoHinting);
        return f;
    }();
    return font;
}

// A dark flap with a slightly lit upper leaf; the legend goes on top of it, the split last.
void disegnaFondo(QPainter& p, QSizeF s) {
    const QRectF corpo(1.5, 1.5, s.width() - 3.0, s.height() - 3.0);
    const qreal meta = s.height() / 2.0;
    QPainterPath forma;
    forma.addRoundedRect(corpo, 3.0, 3.0);

    QLinearGradient alto(0, corpo.top(), 0, meta);
    alto.setColorAt(0, QColor(56, 57, 62));
    alto.setColorAt(1, QColor(42, 43, 47));
    QLinearGradient basso(0, meta, 0, corpo.bottom());
    basso.setColorAt(0, QColor(36, 37, 41));
    basso.setColorAt(1, QColor(28, 29, 32));

    p.save();
    p.setClipPath(forma);
    p.fillRect(QRectF(0, 0, s.width(), meta), alto);
    p.fillRect(QRectF(0, meta, s.width(), s.height() - meta), basso);
    p.restore();
}

// The split between the two leaves, cutting through the legend as on a real board, with the
// pins the leaves turn on at both ends.
void disegnaFenditura(QPainter& p, QSizeF s) {
    const qreal meta = s.height() / 2.0;
    p.fillRect(QRectF(0, meta - 1.0, s.width(), 2.0), kFessura);
    p.fillRect(QRectF(1.5, meta + 1.0, s.width() - 3.0, 1.0), QColor(58, 59, 64));
    p.fillRect(QRectF(0, meta - 3.0, 3.0, 6.0), kFessura);
    p.fillRect(QRectF(s.width() - 3.0, meta - 3.0, 3.0, 6.0), kFessura);
}

// One line of a legend; positions and sizes are fractions of the tile's height.
struct Riga {
    QString testo;
    qreal centro = 0.5;    // where the middle of the capitals stands
    qreal altezza = 0.5;   // height of the capitals
    qreal stretta = 0.86;  // sideways squeeze of the glyphs, for the tall look of flap lettering
};

// Capitals centred on the line's centre; a line too wide for `riquadro` is squeezed further.
void scriviRiga(QPainter& p, const Riga& riga, const QRectF& riquadro, const QColor& colore) {
    const QFont f = carattere();
    QPainterPath traccia;
    traccia.addText(0, 0, f, riga.testo);
    const QRectF contorno = traccia.boundingRect();
    const qreal altezza = riga.altezza * riquadro.height();
    const qreal sy = altezza / QFontMetricsF(f).capHeight();
    qreal sx = sy * riga.stretta;
    if (contorno.width() * sx > riquadro.width()) sx = riquadro.width() / contorno.width();

    QTransform t;
    t.translate(riquadro.center().x() - contorno.center().x() * sx,
                riga.centro * riquadro.height() + altezza / 2.0);
    t.scale(sx, sy);
    p.fillPath(t.map(traccia), colore);
}

// A flap of `design` size carrying `righe`; no lines gives the blank flap. `margine` is the
// room left at each side, in pixels of the drawn picture.
QImage paletta(QSize design, const std::vector<Riga>& righe, const QColor& colore, qreal margine) {
    QImage img(design * kScala, QImage::Format_RGB32);
    img.fill(kFessura);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QSizeF s = img.size();
    disegnaFondo(p, s);
    const QRectF riquadro(margine, 0, s.width() - 2 * margine, s.height());
    for (const Riga& r : righe) scriviRiga(p, r, riquadro, colore);
    disegnaFenditura(p, s);
    return img;
}

QImage carattereSingolo(const QString& segno, const QColor& colore = kScritta) {
    if (segno.isEmpty()) return paletta(kCella, {}, colore, 3.5);
    return paletta(kCella, {{segno, 0.5, 0.56, 0.78}}, colore, 3.5);
}

// The hours word of a delay fits a digit tile: the number on the upper leaf, the word below.
QImage oreRitardo(int ore) {
    return paletta(
        kCella,
        {{QString::number(ore), 0.26, 0.28, 0.78}, {ore == 1 ? "ORA" : "ORE", 0.73, 0.19, 0.70}},
        kScritta, 3.0);
}

QImage categoria(const QString& sigla) {
    const qreal margine = 0.12 * kCategoria.height() * kScala;
    if (sigla.isEmpty()) return paletta(kCategoria, {}, kScritta, margine);
    return paletta(kCategoria, {{sigla, 0.5, 0.42}}, kScritta, margine);
}

// A single line runs across the split; two lines sit one on each leaf.
QImage nota(const QStringList& testo, const QColor& colore = kScritta) {
    const qreal margine = 0.12 * kNota.height() * kScala;
    std::vector<Riga> righe;
    if (testo.size() == 1) righe.push_back({testo[0], 0.5, 0.34});
    if (testo.size() == 2) righe = {{testo[0], 0.25, 0.29}, {testo[1], 0.75, 0.29}};
    return paletta(kNota, righe, colore, margine);
}

std::vector<Tessera> tessere() {
    std::vector<Tessera> out;
    out.push_back({"letteravuota.bmp", carattereSingolo({})});
    for (char l = 'a'; l <= 'z'; ++l)
        if (l != 'k')
            out.push_back(
                {QString("%1.bmp").arg(l), carattereSingolo(QString(QChar(l)).toUpper())});
    out.push_back({"punto.bmp", carattereSingolo(".")});
    out.push_back({"trattino.bmp", carattereSingolo("-")});
    out.push_back({"apice.bmp", carattereSingolo("'")});
    out.push_back({"asterisco.bmp", carattereSingolo("*")});
    for (int d = 0; d <= 9; ++d) {
        out.push_back({QString("%1.bmp").arg(d), carattereSingolo(QString::number(d))});
        // A provisional platform must stand out from a confirmed one at a glance.
        out.push_back(
            {QString("%1p.bmp").arg(d), carattereSingolo(QString::number(d), kProvvisorio)});
    }
    out.push_back({"1ora.bmp", oreRitardo(1)});
    out.push_back({"2ore.bmp", oreRitardo(2)});
    out.push_back({"3ore.bmp", oreRitardo(3)});

    out.push_back({"catvuoto.bmp", categoria({})});
    out.push_back({"interregio.bmp", categoria("IR")});
    out.push_back({"regionale.bmp", categoria("REG")});
    out.push_back({"diretto.bmp", categoria("D")});
    out.push_back({"espresso.bmp", categoria("EXP")});
    out.push_back({"intercity.bmp", categoria("IC")});
    out.push_back({"eurocity.bmp", categoria("EC")});
    out.push_back({"eurostar.bmp", categoria("ES*")});
    out.push_back({"cisalpino.bmp", categoria("CIS")});
    out.push_back({"eurocityn.bmp", categoria("EN")});
    out.push_back({"intercityn.bmp", categoria("ICN")});
    out.push_back({"buscat.bmp", categoria("BUS")});

    out.push_back({"indicazioni.bmp", nota({})});
    out.push_back({"soppresso.bmp", nota({"SOPPRESSO"}, kSoppresso)});
    out.push_back({"obbligatoria.bmp", nota({"PRENOTAZIONE", "OBBLIGATORIA"})});
    out.push_back({"facoltativa.bmp", nota({"PRENOTAZIONE", "FACOLTATIVA"})});
    out.push_back({"seconda.bmp", nota({"SOLA", "2ª CLASSE"})});
    out.push_back({"prima.bmp", nota({"SOLA", "1ª CLASSE"})});
    out.push_back({"primaseconda.bmp", nota({"1ª E 2ª", "CLASSE"})});
    out.push_back({"primasecondac.bmp", nota({"1ª-2ª CLASSE", "CUCCETTE"})});
    out.push_back({"primasecondalc.bmp", nota({"1ª-2ª CLASSE", "LETTI CUCCETTE"})});
    out.push_back({"secondac.bmp", nota({"SOLA 2ª CLASSE", "CUCCETTE"})});
    out.push_back({"esterno.bmp", nota({"PIAZZALE", "ESTERNO"})});

    for (int d = 0; d <= 9; ++d)
        out.push_back({QString("%1.jpg").arg(d), ardenvo::CifraOrologio(d)});
    return out;
}

bool salva(const QString& percorso, const QImage& img) {
    QImageWriter w(percorso);
    if (percorso.endsWith(".jpg")) w.setQuality(95);
    if (w.write(img)) return true;
    std::fprintf(stderr, "genera_tessere: cannot write %s: %s\n", qPrintable(percorso),
                 qPrintable(w.errorString()));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: genera_tessere OUTPUT_FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QString cartella = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(cartella)) {
        std::fprintf(stderr, "genera_tessere: cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (const Tessera& t : tessere())
        ok = salva(QDir(cartella).filePath(t.nome), t.immagine) && ok;
    return ok ? 0 : 1;
}
