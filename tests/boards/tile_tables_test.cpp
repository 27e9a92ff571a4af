#include "boards/tile_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace ardenvo {
namespace {

// A tile's picture without its extension, "_" for the blank one, "-" for a tile left alone.
std::string Nome(FileTessera file) {
    if (!file) return "-";
    return *file == TesseraVuota ? "_" : std::string(file->substr(0, file->find('.')));
}
template <std::size_t N>
std::string Nome(const std::array<FileTessera, N>& tessere) {
    std::string nomi = Nome(tessere[0]);
    for (std::size_t i = 1; i < N; ++i) nomi += " " + Nome(tessere[i]);
    return nomi;
}
// The tiles of several codes, a comma between one code and the next.
std::string Nomi(const auto& primo, const auto&... altri) {
    return (Nome(primo) + ... + (", " + Nome(altri)));
}

TEST(TileTables, CodesDrawTheirWholeFieldAndCodesOutsideTheListsNothing) {
    EXPECT_EQ(Nomi(FileLettera(11), FileLettera(30), FileLettera(-1), FileIndicazioni(10)),
              "l, -, -, -");  // no tile for k
    // Tens, units, hours word: below the hour the word is blank, as after a run through 0.
    EXPECT_EQ(Nomi(FileRitardo(0), FileRitardo(5), FileRitardo(55), FileRitardo(230),
                   FileRitardo(65), FileRitardo(240), FileRitardo(-5)),
              "_ _ _, _ 5 _, 5 5 _, 5 0 3ore, - - -, - - -, - - -");
    // Units then tens.
    EXPECT_EQ(Nomi(FileOra(0), FileOra(7), FileOra(23), FileOra(24), FileOra(25), FileOra(-1)),
              "0 _, 7 _, 3 2, _ _, - -, - -");
    EXPECT_EQ(Nomi(FileMinuto(59), FileMinuto(60), FileMinuto(61), FileMinuto(-1)),
              "9 5, _ _, - -, - -");
}

TEST(TileTables, CentralBoardsKnowTheBusTheForecourtAndProvisionalPlatforms) {
    // The platform boards stop one entry short of the central boards' lists.
    EXPECT_EQ(Nomi(FileCategoria(11), FileCategoriaQuadro(11), FileCategoriaQuadro(12),
                   FileCategoriaQuadro(0), FileCategoriaQuadro(-1)),
              "-, buscat, -, catvuoto, -");
    EXPECT_EQ(Nomi(FileIndicazioni(10), FileIndicazioniQuadro(10), FileIndicazioniQuadro(11),
                   FileIndicazioniQuadro(0), FileIndicazioniQuadro(-1)),
              "-, esterno, -, indicazioni, -");
    // A central board's hours 0..9 read "00".."09"; its other hours are the platform boards'.
    EXPECT_EQ(Nomi(FileOraQuadro(0), FileOraQuadro(7), FileOraQuadro(24), FileOraQuadro(25)),
              "0 0, 7 0, _ _, - -");
    // Units then tens.
    EXPECT_EQ(Nomi(FileBinarioQuadro(0), FileBinarioQuadro(5), FileBinarioQuadro(10),
                   FileBinarioQuadro(23), FileBinarioQuadro(24), FileBinarioQuadro(30),
                   FileBinarioQuadro(33), FileBinarioQuadro(46)),
              "_ _, 5 _, 0 1, 3 2, 1p _, 7p _, 0p 1p, 3p 2p");
    EXPECT_EQ(Nomi(FileBinarioQuadro(-1), FileBinarioQuadro(47), FileBinarioQuadro(100)),
              "- -, - -, - -");
}

}  // namespace
}  // namespace ardenvo
