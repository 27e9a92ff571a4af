#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "boards/tessera_widget.h"

namespace ardenvo {
namespace {

QStringList avvisi;
void RaccogliAvvisi(QtMsgType, const QMessageLogContext&, const QString& testo) {
    avvisi << testo;
}

QString Scrivi(const QTemporaryDir& cartella, const char* nome, QColor colore, QSize lato) {
    QImage immagine(lato, QImage::Format_RGB32);
    immagine.fill(colore);
    const QString percorso = cartella.filePath(QString::fromLatin1(nome));
    EXPECT_TRUE(immagine.save(percorso));
    return percorso;
}

TEST(Tessera, LoadsAtEverySetAndKeepsItsPictureWhenAFileIsMissing) {
    QTemporaryDir cartella;
    const QString bmp = Scrivi(cartella, "a.bmp", Qt::red, {33, 75});
    const QString jpg = Scrivi(cartella, "0.jpg", Qt::yellow, {33, 51});  // clock digits
    Tessera tessera;
    tessera.resize(11, 25);

    EXPECT_TRUE(tessera.impostaFile(bmp));
    EXPECT_TRUE(tessera.impostaFile(jpg));
    EXPECT_EQ(tessera.immagine().size(), QSize(33, 51));

    // A file replaced on disk shows at the next set of the same name.
    Scrivi(cartella, "a.bmp", Qt::blue, {33, 75});
    EXPECT_TRUE(tessera.impostaFile(bmp));
    EXPECT_EQ(tessera.immagine().pixelColor(5, 5), QColor(Qt::blue));

    // Missing or unreadable: the picture stays, and each file name is reported once.
    avvisi.clear();
    const QtMessageHandler prima = qInstallMessageHandler(RaccogliAvvisi);
    const QString manca = cartella.filePath("manca.bmp");
    const QString rotto = cartella.filePath("rotto.bmp");
    QFile guasto(rotto);
    ASSERT_TRUE(guasto.open(QIODevice::WriteOnly));
    guasto.write("not a picture");
    guasto.close();
    for (int volta = 0; volta < 3; ++volta) {
        EXPECT_FALSE(tessera.impostaFile(manca));
        EXPECT_FALSE(tessera.impostaFile(rotto));
    }
    qInstallMessageHandler(prima);
    EXPECT_EQ(tessera.percorso(), rotto);
    EXPECT_EQ(tessera.immagine().pixelColor(5, 5), QColor(Qt::blue));
    ASSERT_EQ(avvisi.size(), 2);
    EXPECT_TRUE(avvisi[0].contains("manca.bmp"));
    EXPECT_TRUE(avvisi[1].contains("rotto.bmp"));

    // Painting scales the picture into the tile at any pixel density.
    const QImage dipinta = tessera.grab().toImage();
    EXPECT_EQ(dipinta.pixelColor(5, 12), QColor(Qt::blue));
}

}  // namespace
}  // namespace ardenvo
