// The "Numeri e Lettere" folder that the build draws beside the executables.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdlib>
#include <map>

namespace {

QString cartella() {
    return QCoreApplication::applicationDirPath() + "/Numeri e Lettere/";
}

QImage carica(const QString& nome) {
    return QImage(cartella() + nome);
}

// Every file a board or the clock asks for, with the size of the tile that shows it.
std::map<QString, QSize> attesi() {
    std::map<QString, QSize> m;
    const QSize cella(11, 25), categoria(33, 17), nota(49, 17), orologio(11, 17);
    for (QString n :
         {"letteravuota", "punto", "trattino", "apice", "asterisco", "1ora", "2ore", "3ore"})
        m[n + ".bmp"] = cella;
    for (char l = 'a'; l <= 'z'; ++l)
        if (l != 'k') m[QString("%1.bmp").arg(l)] = cella;
    for (int d = 0; d <= 9; ++d) {
        m[QString("%1.bmp").arg(d)] = cella;
        m[QString("%1p.bmp").arg(d)] = cella;
        m[QString("%1.jpg").arg(d)] = orologio;
    }
    for (QString n : {"catvuoto", "interregio", "regionale", "diretto", "espresso", "intercity",
                      "eurocity", "eurostar", "cisalpino", "eurocityn", "intercityn", "buscat"})
        m[n + ".bmp"] = categoria;
    for (QString n : {"indicazioni", "soppresso", "obbligatoria", "facoltativa", "seconda", "prima",
                      "primaseconda", "primasecondac", "primasecondalc", "secondac", "esterno"})
        m[n + ".bmp"] = nota;
    return m;
}

TEST(Tessere, EveryFileLoadsAtThreeTimesItsTileSize) {
    const auto files = attesi();
    EXPECT_EQ(files.size(), 86u);
    for (const auto& [nome, design] : files) {
        const QImage img = carica(nome);
        ASSERT_FALSE(img.isNull()) << nome.toStdString();
        EXPECT_EQ(img.size(), design * 3) << nome.toStdString();
    }
}

// A missing font or a lost legend would leave tiles that look alike or blank.
TEST(Tessere, NoTwoPicturesAlike) {
    const auto files = attesi();
    std::map<QString, QImage> immagini;
    for (const auto& [nome, design] : files) immagini[nome] = carica(nome);
    for (auto a = immagini.begin(); a != immagini.end(); ++a)
        for (auto b = std::next(a); b != immagini.end(); ++b)
            EXPECT_NE(a->second, b->second)
                << a->first.toStdString() << " and " << b->first.toStdString();
}

// The clock's zero picture must read like the built-in one it replaces: the outline of a
// 4 x 7 rectangle of yellow dots on the colons' background.
TEST(Tessere, ClockZeroIsTheOutlineOfTheDotRectangle) {
    const QImage zero = carica("0.jpg");
    ASSERT_FALSE(zero.isNull());
    auto vicino = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) < 48 && std::abs(a.green() - b.green()) < 48 &&
               std::abs(a.blue() - b.blue()) < 48;
    };
    const QColor fondo(61, 71, 83), giallo(255, 255, 0);
    EXPECT_TRUE(vicino(zero.pixelColor(0, 0), fondo));
    EXPECT_TRUE(vicino(zero.pixelColor(zero.width() / 2, zero.height() / 2), fondo));
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 4; ++c) {
            const bool bordo = r == 0 || r == 6 || c == 0 || c == 3;
            // Dot centres lie 7 pixels apart around the middle of the picture.
            const int x = static_cast<int>(zero.width() / 2.0 + (c - 1.5) * 7);
            const int y = static_cast<int>(zero.height() / 2.0 + (r - 3) * 7);
            EXPECT_EQ(vicino(zero.pixelColor(x, y), giallo), bordo) << r << "," << c;
        }
}

}  // namespace
