#include "core/testo_file.h"

#include <gtest/gtest.h>

#include "core/aiuti_file.h"

namespace ardenvo {
namespace {

TEST(Codifica, Utf8OrWindows1252InAndOut) {
    const std::pair<std::string_view, std::string_view> casi[] = {
        {"Citt\xC3\xA0", "Città"},  // valid UTF-8 without a mark
        {"\xEF\xBB\xBF"
         "Citt\xC3\xA0",
         "Città"},                     // the mark is dropped
        {"Citt\xE0 \x80", "Città €"},  // not UTF-8: Windows-1252
        {"\xEF\xBB\xBF"
         "a\xE0"
         "b",
         "a\uFFFDb"},                  // broken UTF-8 after a mark
        {"\xC0\xAF", "\u00C0\u00AF"},  // an overlong form is no UTF-8
    };
    for (auto [byte, testo] : casi) EXPECT_EQ(DecodificaTesto(byte), testo) << byte;
    EXPECT_EQ(CodificaTesto("Città € Zürich"), "Citt\xE0 \x80 Z\xFCrich");
    EXPECT_EQ(CodificaTesto("Łódź"),
              "\xEF\xBB\xBF"
              "Łódź");
    std::string ogni_byte;
    for (int b = 0; b < 256; ++b) ogni_byte += static_cast<char>(b);
    EXPECT_EQ(CodificaTesto(DecodificaTesto(ogni_byte)), ogni_byte);
}

TEST(Codifica, LinesValuesAndNumbers) {
    using V = std::vector<std::string_view>;
    const std::pair<std::string_view, V> righe[] = {{"", {}},
                                                    {"a\r\n", {"a"}},
                                                    {"\r\n", {""}},
                                                    {"a\rb\nc", V{"a", "b", "c"}},
                                                    {"a\r\n\r\nb", V{"a", "", "b"}},
                                                    {"a\n\rb", V{"a", "", "b"}}};
    for (const auto& [testo, attese] : righe) EXPECT_EQ(DividiRighe(testo), attese) << testo;

    EXPECT_EQ(ValoreRiga("Note = a= b "), "a= b ");
    EXPECT_EQ(ValoreRiga("x= 7"), "7");
    EXPECT_EQ(ValoreRiga("Note ="), std::nullopt);

    const std::pair<std::string_view, std::optional<long>> numeri[] = {
        {" 7", 7},    {"7\t ", 7}, {"+7", 7},    {"-07", -7}, {"", {}},    {" ", {}},
        {"8,30", {}}, {"7.5", {}}, {"0x10", {}}, {"1 2", {}}, {"- 7", {}}, {"-", {}}};
    for (auto [testo, numero] : numeri) EXPECT_EQ(LeggiNumeroIntero(testo), numero) << testo;
    EXPECT_GT(*LeggiNumeroIntero(std::string(40, '9')), 32767);
    EXPECT_EQ(Citazione(std::string(59, 'x') + "àà"), "\"" + std::string(59, 'x') + "à…\"");
}

TEST(Codifica, AtomicSaveReplacesOnlyWhenComplete) {
    prova::CartellaProva cartella;
    const std::string file = cartella / "sim.vkz";
    EXPECT_EQ(LeggiFile(file).Errore().Numero(), 53);
    ASSERT_FALSE(ScriviFileAtomico(file, "prima"));
    ASSERT_FALSE(ScriviFileAtomico(file, "dopo"));
    EXPECT_EQ(LeggiFile(file).Valore(), "dopo");
    // A folder cannot be replaced by a file: the save fails and leaves no stray file.
    std::filesystem::create_directory(cartella / "cartella.vkz");
    EXPECT_EQ(ScriviFileAtomico(cartella / "cartella.vkz", "x")->Numero(), 75);
    EXPECT_EQ(cartella.Elementi(), 2u);
    EXPECT_EQ(ScriviFileAtomico(cartella / "manca/sim.vkz", "x")->Numero(), 76);
}

}  // namespace
}  // namespace ardenvo
