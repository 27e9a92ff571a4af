// The readers' promises on the sample files and on every input that once broke one (kept in
// tests/data/rotti as the fuzz targets found them).
#include "fuzz/promesse_lettura.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ardenvo {
namespace {

TEST(PromesseLettura, SamplesAndInputsThatOnceBrokeAPromise) {
    std::vector<std::filesystem::path> file;
    for (const char* cartella :
         {ARDENVO_DATI_TEST, ARDENVO_DATI_TEST "/rotti", ARDENVO_SOURCE_DIR_SCENARI})
        for (const auto& voce : std::filesystem::directory_iterator(cartella))
            if (voce.is_regular_file()) file.push_back(voce.path());
    EXPECT_GE(file.size(), 6u);
    for (const std::filesystem::path& f : file) {
        const std::string byte = LeggiFile(f).Valore();
        EXPECT_EQ(prova::ControllaOrario(byte), "") << f;
        EXPECT_EQ(prova::ControllaSimulazione(byte), "") << f;
    }
}

}  // namespace
}  // namespace ardenvo
