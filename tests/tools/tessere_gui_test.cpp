#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <map>

namespace {

// Every file of the "Numeri e Lettere" folder that a board or the clock asks for loads at three
// times the size of the tile that shows it; a missing font or a lost legend would leave
// pictures that look alike or blank.
TEST(Tessere, EveryFileLoadsAtThreeTimesItsTileSizeAndNoTwoAreAlike) {
    std::map<QByteArray, QString> viste;  // each picture's pixels, and the file that has them
    const auto controlla = [&](QSize tessera, const char* estensione, const char* nomi) {
        for (const QString& nome : QString(nomi).split(' ')) {
            const QString file = nome + estensione;
            const QImage immagine(QCoreApplication::applicationDirPath() + "/Numeri e Lettere/" +
                                  file);
            EXPECT_EQ(immagine.size(), tessera * 3) << file.toStdString();
            const QImage pixel = immagine.convertToFormat(QImage::Format_RGB32);
            const auto [vista, nuova] = viste.emplace(
                QByteArray(reinterpret_cast<const char*>(pixel.constBits()), pixel.sizeInBytes()),
                file);
            EXPECT_TRUE(nuova) << file.toStdString() << " and " << vista->second.toStdString();
        }
    };
    controlla({11, 25}, ".bmp",
              "letteravuota punto trattino apice asterisco 1ora 2ore 3ore a b c d e f g h i j l m "
              "n o p q r s t u v w x y z 0 1 2 3 4 5 6 7 8 9 0p 1p 2p 3p 4p 5p 6p 7p 8p 9p");
    controlla({11, 17}, ".jpg", "0 1 2 3 4 5 6 7 8 9");
    controlla({33, 17}, ".bmp",
              "catvuoto interregio regionale diretto espresso intercity eurocity eurostar "
              "cisalpino eurocityn intercityn buscat");
    controlla({49, 17}, ".bmp",
              "indicazioni soppresso obbligatoria facoltativa seconda prima primaseconda "
              "primasecondac primasecondalc secondac esterno");
}

}  // namespace
