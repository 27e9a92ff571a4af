#include "boards/tessera_widget.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSet>

namespace ardenvo {

QString CartellaTessere() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Numeri e Lettere/");
}

Tessera::Tessera(QWidget* parent) : QWidget(parent) {}

bool Tessera::impostaFile(const QString& percorso) {
    percorso_ = percorso;
    // The format named by the extension spares the reader a probe of every plugin.
    QImageReader lettore(percorso, QFileInfo(percorso).suffix().toLatin1());
    QImage letta = lettore.read();
    if (letta.isNull()) {
        static QSet<QString> segnalati;  // one line per missing file, not one per draw
        if (!segnalati.contains(percorso)) {
            segnalati.insert(percorso);
            qWarning("Immagine non leggibile: %s (%s)", qUtf8Printable(percorso),
                     qUtf8Printable(lettore.errorString()));
        }
        return false;
    }
    mostra(letta);
    return true;
}

void Tessera::impostaImmagine(const QImage& immagine) {
    percorso_.clear();
    mostra(immagine);
}

void Tessera::mostra(const QImage& immagine) {
    immagine_ = immagine;
    scalata_ = QImage();
    update();
}

void Tessera::paintEvent(QPaintEvent*) {
    if (immagine_.isNull()) return;
    // Scaled once per size with area averaging: sharper than a bilinear draw of a picture
    // several times larger than the tile.
    const qreal rapporto = devicePixelRatioF();
    const QSize dispositivo = (QSizeF(size()) * rapporto).toSize();
    if (scalata_.size() != dispositivo) {
        scalata_ = immagine_.scaled(dispositivo, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scalata_.setDevicePixelRatio(rapporto);
    }
    QPainter pittore(this);
    pittore.drawImage(QPointF(0, 0), scalata_);
}

}  // namespace ardenvo
