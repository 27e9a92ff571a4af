#include "boards/disegni_qt.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <vector>

namespace ardenvo {
namespace {

constexpr int kScala = 3;

const QColor kPuntiOrologio(255, 255, 0);

// The clock's digits on a 4 x 7 dot matrix; '#' is a lit lamp. The zero is the outline of the
// rectangle.
using Matrice = std::array<const char*, 7>;
constexpr std::array<Matrice, 10> kCifreOrologio = {{
    {"####", "#..#", "#..#", "#..#", "#..#", "#..#", "####"},
    {".##.", "..#.", "..#.", "..#.", "..#.", "..#.", ".###"},
    {"####", "...#", "...#", "####", "#...", "#...", "####"},
    {"####", "...#", "...#", "####", "...#", "...#", "####"},
    {"#..#", "#..#", "#..#", "####", "...#", "...#", "...#"},
    {"####", "#...", "#...", "####", "...#", "...#", "####"},
    {"####", "#...", "#...", "####", "#..#", "#..#", "####"},
    {"####", "...#", "...#", "...#", "...#", "...#", "...#"},
    {"####", "#..#", "#..#", "####", "#..#", "#..#", "####"},
    {"####", "#..#", "#..#", "####", "...#", "...#", "####"},
}};

// A picture of `larghezza` x `altezza` design pixels, painted in design pixels.
QImage Tela(int larghezza, int altezza, const QColor& fondo) {
    QImage tela(larghezza * kScala, altezza * kScala, QImage::Format_RGB32);
    tela.fill(fondo);
    return tela;
}

// A face of the dot-matrix clock, `larghezza` x `altezza` design pixels, with a yellow lamp lit
// on each of `lampade` (in design pixels, rounded into dots).
QImage Lampade(int larghezza, int altezza, const std::vector<QRectF>& lampade) {
    QImage tela = Tela(larghezza, altezza, kFondoOrologio);
    QPainter pittore(&tela);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setPen(Qt::NoPen);
    pittore.setBrush(kPuntiOrologio);
    for (const QRectF& lampada : lampade) {
        const QRectF scalata(lampada.topLeft() * kScala, lampada.size() * kScala);
        const qreal raggio = std::min(scalata.width(), scalata.height()) / 2;
        pittore.drawRoundedRect(scalata, raggio, raggio);
    }
    return tela;
}

}  // namespace

QPushButton* PulsanteDelDisegno(QWidget* padre, const QString& testo, const QRect& dove) {
    auto* pulsante = new QPushButton(testo, padre);
    pulsante->setGeometry(dove);
    // The design's buttons are 17 to 25 pixels high: a small face keeps their captions whole.
    QFont piccolo = pulsante->font();
    piccolo.setPixelSize(10);
    pulsante->setFont(piccolo);
    pulsante->setFocusPolicy(Qt::TabFocus);
    return pulsante;
}

QFont CarattereCheEntra(const QString& testo, int larghezza, int massimo) {
    QFont carattere(QStringLiteral("DejaVu Sans"));
    carattere.setBold(true);
    return CarattereCheEntra(carattere, {testo}, larghezza, massimo);
}

QFont CarattereCheEntra(QFont carattere, const QStringList& testi, int larghezza, int massimo) {
    for (int pixel = massimo; pixel > 4; --pixel) {
        carattere.setPixelSize(pixel);
        const QFontMetricsF metriche(carattere);
        if (std::all_of(testi.begin(), testi.end(), [&](const QString& testo) {
                return metriche.horizontalAdvance(testo) <= larghezza;
            }))
            break;
    }
    return carattere;
}

QImage CifraOrologio(int cifra) {
    // Lamps 1.8 pixels across on a pitch of 7/3 pixels, the matrix centred in the box; a value
    // that is no digit lights none.
    std::vector<QRectF> lampade;
    const qreal passo = 7.0 / 3.0, lato = 1.8;
    for (int riga = 0; cifra >= 0 && cifra <= 9 && riga < 7; ++riga)
        for (int colonna = 0; colonna < 4; ++colonna)
            if (kCifreOrologio[cifra][riga][colonna] == '#')
                lampade.emplace_back(5.5 + (colonna - 1.5) * passo - lato / 2,
                                     8.5 + (riga - 3) * passo - lato / 2, lato, lato);
    return Lampade(11, 17, lampade);
}

// Two lamps of 1 x 2 in the middle column, on the 5th-6th and 12th-13th pixel rows.
QImage DuePuntiOrologio() {
    return Lampade(5, 17, {QRectF(2, 4, 1, 2), QRectF(2, 11, 1, 2)});
}

QImage CartelloBinario(int numero) {
    QImage tela = Tela(41, 37, QColor(24, 28, 34));
    QPainter pittore(&tela);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setRenderHint(QPainter::TextAntialiasing);
    const QRectF cartello = QRectF(tela.rect()).adjusted(4, 4, -4, -4);
    pittore.setPen(QPen(Qt::white, 3));
    pittore.setBrush(QColor(0, 74, 153));
    pittore.drawRoundedRect(cartello, 8, 8);

    const QString parola = QStringLiteral("BINARIO");
    const QRectF fasciaParola(cartello.left(), cartello.top() + 6, cartello.width(), 28);
    pittore.setFont(CarattereCheEntra(parola, int(cartello.width()) - 16, 22));
    pittore.drawText(fasciaParola, Qt::AlignCenter, parola);

    const QString cifre = QString::number(numero);
    const QRectF fasciaNumero(cartello.left(), fasciaParola.bottom(), cartello.width(),
                              cartello.bottom() - fasciaParola.bottom() - 4);
    pittore.setFont(CarattereCheEntra(cifre, int(cartello.width()) - 20, 62));
    pittore.drawText(fasciaNumero, Qt::AlignCenter, cifre);
    return tela;
}

QIcon IconaProgramma() {
    QIcon icona;
    for (int lato : {32, 64, 128}) {
        const qreal u = lato / 32.0;  // one design pixel
        QPixmap disegno(lato, lato);
        disegno.fill(Qt::transparent);
        QPainter pittore(&disegno);
        pittore.setRenderHint(QPainter::Antialiasing);
        pittore.setPen(Qt::NoPen);
        pittore.setBrush(QColor(30, 34, 40));
        pittore.drawRoundedRect(QRectF(1 * u, 3 * u, 30 * u, 26 * u), 3 * u, 3 * u);
        pittore.setBrush(QColor(0, 74, 153));
        pittore.drawRoundedRect(QRectF(3 * u, 5 * u, 9 * u, 9 * u), 1.5 * u, 1.5 * u);
        pittore.setBrush(Qt::white);
        pittore.drawRect(QRectF(6.5 * u, 7 * u, 2 * u, 5 * u));
        // Two lines of flap tiles, each with its split.
        pittore.setBrush(QColor(232, 232, 220));
        for (int i = 0; i < 4; ++i) pittore.drawRect(QRectF((14 + 4 * i) * u, 6 * u, 3 * u, 7 * u));
        for (int i = 0; i < 6; ++i) pittore.drawRect(QRectF((4 + 4 * i) * u, 17 * u, 3 * u, 7 * u));
        pittore.setBrush(QColor(30, 34, 40));
        pittore.drawRect(QRectF(13 * u, 9.3 * u, 16 * u, 0.5 * u));
        pittore.drawRect(QRectF(3 * u, 20.3 * u, 24 * u, 0.5 * u));
        icona.addPixmap(disegno);
    }
    return icona;
}

QIcon Pomello() {
    QPixmap immagine(12 * kScala, 12 * kScala);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.scale(kScala, kScala);
    QRadialGradient luce(QPointF(4.5, 4.0), 7.5);
    luce.setColorAt(0.0, QColor(120, 128, 140));
    luce.setColorAt(0.6, QColor(40, 44, 52));
    luce.setColorAt(1.0, QColor(12, 14, 18));
    pittore.setBrush(luce);
    pittore.setPen(QPen(QColor(0, 0, 0, 160), 0.6));
    pittore.drawEllipse(QRectF(1.0, 1.0, 10.0, 10.0));
    pittore.end();
    immagine.setDevicePixelRatio(kScala);
    return QIcon(immagine);
}

QIcon FrecciaQuadro(bool su) {
    QIcon icona;
    for (QIcon::Mode modo : {QIcon::Normal, QIcon::Disabled}) {
        QPixmap disegno(9 * kScala, 11 * kScala);
        disegno.fill(Qt::transparent);
        QPainter pittore(&disegno);
        pittore.setRenderHint(QPainter::Antialiasing);
        pittore.setPen(Qt::NoPen);
        pittore.setBrush(modo == QIcon::Normal ? QColor(24, 28, 34) : QColor(150, 154, 160));
        pittore.scale(kScala, kScala);
        if (!su) {
            pittore.translate(0, 11);
            pittore.scale(1, -1);
        }
        // A head over a shaft, pointing up before any flip.
        pittore.drawPolygon(QPolygonF(
            {{4.5, 0.5}, {8.5, 5.5}, {6, 5.5}, {6, 10.5}, {3, 10.5}, {3, 5.5}, {0.5, 5.5}}));
        icona.addPixmap(disegno, modo);
    }
    return icona;
}

}  // namespace ardenvo
