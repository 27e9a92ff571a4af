#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "boards/tessera_widget.h"

namespace ardenvo {
namespace {

QStringList avvisi;

TEST(Tessera, LoadsAtEverySetAndKeepsItsPictureWhenAFileIsMissing) {
    QTemporaryDir cartella;
    const auto scrivi = [&](const char* nome, QColor colore) {
        QImage immagine(33, 75, QImage::Format_RGB32);
        immagine.fill(colore);
        EXPECT_TRUE(immagine.save(cartella.filePath(nome)));
        return cartella.filePath(nome);
    };
    Tessera tessera;
    tessera.resize(11, 25);
    EXPECT_TRUE(tessera.impostaFile(scrivi("0.jpg", Qt::yellow)));  // the clock's digits
    EXPECT_TRUE(tessera.impostaFile(scrivi("a.bmp", Qt::red)));
    EXPECT_TRUE(tessera.impostaFile(scrivi("a.bmp", Qt::blue)));
    // Missing: the picture stays, and each file name is reported once.
    avvisi.clear();
    const QtMessageHandler prima = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& testo) { avvisi << testo; });
    const QString manca = cartella.filePath("manca.bmp"), altra = cartella.filePath("0.bmp");
    for (int volta = 0; volta < 3; ++volta) {
        EXPECT_FALSE(tessera.impostaFile(manca));
        EXPECT_FALSE(tessera.impostaFile(altra));
    }
    qInstallMessageHandler(prima);
    EXPECT_EQ(tessera.percorso(), altra);
    ASSERT_EQ(avvisi.size(), 2);
    EXPECT_TRUE(avvisi[0].contains("manca.bmp") && avvisi[1].contains("0.bmp"));
    // The last picture read, the file replaced on disk, scaled into the tile.
    EXPECT_EQ(tessera.grab().toImage().pixelColor(5, 12), QColor(Qt::blue));
}

}  // namespace
}  // namespace ardenvo
