#include "boards/motivo_qt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "boards/disegni_qt.h"

namespace ardenvo {
namespace {

// One flap tile: dark face, the split line across its middle, a light character.
void DisegnaTessera(QPainter& p, const QRectF& r, QChar carattere) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(28, 28, 30));
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setPen(QColor(235, 235, 225));
    p.drawText(r, Qt::AlignCenter, QString(carattere));
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
}

}  // namespace

QPixmap MotivoTabellone(int larghezza, int altezza) {
    QPixmap pixmap(larghezza, altezza);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient cielo(0, 0, 0, altezza);
    cielo.setColorAt(0, QColor(178, 196, 214));
    cielo.setColorAt(1, QColor(120, 130, 140));
    p.fillRect(pixmap.rect(), cielo);

    // Sized from the width, so a tall picture keeps the proportions of a short one; a wide
    // picture is drawn at the width its height allows, centred, so it keeps its three lines.
    const qreal base = std::min<qreal>(larghezza, altezza * 0.85);
    const qreal margine = base * 0.08;
    const qreal w = base - 2 * margine;
    const qreal sinistra = (larghezza - base) / 2 + margine;
    // The platform sign on top.
    const QRectF cartello(sinistra, margine + 8, w * 0.5, w * 0.45);
    p.drawImage(cartello, CartelloBinario(1));

    // The board on its post: up to three lines of six tiles; a short picture shows fewer.
    const QString righe[] = {"roma", "ic 12", "rit 5"};
    const int colonne = 6;
    const qreal passoX = (w - 8) / colonne;
    const qreal top = cartello.bottom() + margine;
    const qreal spazio = altezza - 2 * margine - top - 8;
    const int linee = std::clamp(int(spazio / passoX), 1, 3);
    const qreal passoY = std::min(passoX * 1.5, spazio / linee);
    const QRectF tabellone(sinistra, top, w, linee * passoY + 8);
    p.fillRect(QRectF(larghezza / 2.0 - 2, tabellone.bottom(), 4, altezza - tabellone.bottom()),
               QColor(60, 60, 64));
    p.setPen(QColor(70, 70, 75));
    p.setBrush(QColor(52, 54, 58));
    p.drawRoundedRect(tabellone, 3, 3);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qMax(5, int(passoY * 0.6)));
    p.setFont(font);
    for (int riga = 0; riga < linee; ++riga) {
        for (int c = 0; c < colonne; ++c) {
            const QChar carattere = c < righe[riga].size() ? righe[riga][c] : QChar(' ');
            const QRectF r(tabellone.left() + 4 + c * passoX, tabellone.top() + 4 + riga * passoY,
                           passoX - 2, passoY - 2);
            DisegnaTessera(p, r, carattere);
        }
    }
    return pixmap;
}

}  // namespace ardenvo
