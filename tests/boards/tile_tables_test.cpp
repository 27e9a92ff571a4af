#include "boards/tile_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace ardenvo {
namespace {

// "-" marks a tile the code leaves alone.
std::string Leggi(FileTessera file) {
    return file ? std::string(*file) : "-";
}
template <std::size_t N>
std::string Leggi(const std::array<FileTessera, N>& file) {
    std::string testo;
    for (const FileTessera& f : file) testo += Leggi(f) + " ";
    return testo;
}

TEST(TileTables, SingleTileFields) {
    struct Caso {
        FileTessera (*tabella)(int);
        int codice;
        const char* atteso;
    };
    const Caso casi[] = {
        {FileLettera, 0, "letteravuota.bmp"},
        {FileLettera, 10, "j.bmp"},
        {FileLettera, 11, "l.bmp"},  // no "k"
        {FileLettera, 29, "asterisco.bmp"},
        {FileLettera, 30, "-"},
        {FileLettera, -1, "-"},
        {FileCategoria, 0, "catvuoto.bmp"},
        {FileCategoria, 9, "eurocityn.bmp"},
        {FileCategoria, 10, "intercityn.bmp"},
        {FileCategoria, 11, "-"},
        {FileCategoria, -2, "-"},
        {FileIndicazioni, 0, "indicazioni.bmp"},
        {FileIndicazioni, 8, "primasecondalc.bmp"},
        {FileIndicazioni, 9, "secondac.bmp"},
        {FileIndicazioni, 10, "-"},
    };
    for (const Caso& c : casi) EXPECT_EQ(Leggi(c.tabella(c.codice)), c.atteso) << c.codice;
}

TEST(TileTables, DelayTilesAreTensUnitsAndHoursWord) {
    const std::pair<int, const char*> casi[] = {
        {0, "letteravuota.bmp letteravuota.bmp letteravuota.bmp "},
        {5, "letteravuota.bmp 5.bmp - "},
        {10, "1.bmp 0.bmp - "},
        {45, "4.bmp 5.bmp - "},
        {55, "5.bmp 5.bmp - "},
        {60, "0.bmp 0.bmp 1ora.bmp "},
        {70, "1.bmp 0.bmp 1ora.bmp "},
        {110, "5.bmp 0.bmp 1ora.bmp "},
        {120, "0.bmp 0.bmp 2ore.bmp "},
        {170, "5.bmp 0.bmp 2ore.bmp "},
        {180, "0.bmp 0.bmp 3ore.bmp "},
        {230, "5.bmp 0.bmp 3ore.bmp "},
        {65, "- - - "},
        {240, "- - - "},
        {3, "- - - "},
        {-5, "- - - "},
    };
    for (auto [minuti, atteso] : casi) EXPECT_EQ(Leggi(FileRitardo(minuti)), atteso) << minuti;
}

TEST(TileTables, HourAndMinuteTilesAreUnitsThenTens) {
    const std::pair<int, const char*> ore[] = {
        {0, "0.bmp letteravuota.bmp "},
        {7, "7.bmp - "},
        {9, "9.bmp - "},
        {10, "0.bmp 1.bmp "},
        {19, "9.bmp 1.bmp "},
        {23, "3.bmp 2.bmp "},
        {24, "letteravuota.bmp letteravuota.bmp "},
        {25, "- - "},
        {-1, "- - "},
    };
    for (auto [ora, atteso] : ore) EXPECT_EQ(Leggi(FileOra(ora)), atteso) << ora;
    const std::pair<int, const char*> minuti[] = {
        {0, "0.bmp 0.bmp "},  {5, "5.bmp 0.bmp "},
        {59, "9.bmp 5.bmp "}, {60, "letteravuota.bmp letteravuota.bmp "},
        {61, "- - "},         {-1, "- - "},
    };
    for (auto [minuto, atteso] : minuti) EXPECT_EQ(Leggi(FileMinuto(minuto)), atteso) << minuto;
}

}  // namespace
}  // namespace ardenvo
