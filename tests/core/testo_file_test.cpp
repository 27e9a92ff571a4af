#include "core/testo_file.h"

#include <gtest/gtest.h>

namespace ardenvo {
namespace {

TEST(Codifica, Utf8OrWindows1252AndEveryByteComesBack) {
    EXPECT_EQ(DecodificaTesto("Citt\xC3\xA0 \xE2\x82\xAC"), "Città €");  // UTF-8 without a mark
    EXPECT_EQ(DecodificaTesto("Citt\xE0 \x80\x96"), "Città €–");         // not UTF-8: Windows-1252
    EXPECT_EQ(DecodificaTesto("\xEF\xBB\xBFz\xE0z"), "z\uFFFDz");        // broken after a mark
    EXPECT_EQ(DecodificaTesto("\xC0\xAF"), "\u00C0\u00AF");  // an overlong form is no UTF-8
    std::string ogni_byte;
    for (int b = 0; b < 256; ++b) ogni_byte += static_cast<char>(b);
    EXPECT_EQ(CodificaTesto(DecodificaTesto(ogni_byte)), ogni_byte);

    // Windows-1252 where it reads back the same; UTF-8 behind the mark where it would not.
    const std::string bom = "\xEF\xBB\xBF";
    const std::pair<std::string, std::string> casi[] = {
        {"Roma", "Roma"},
        {"Città € Zürich", "Citt\xE0 \x80 Z\xFCrich"},
        {"Łódź", bom + "Łódź"},
        {"SALÒ–GARDONE", bom + "SALÒ–GARDONE"},  // D2 96 is also "Җ"
        {"ab70È»", bom + "ab70È»"},              // C8 BB is also "Ȼ"
        {"ï»¿", bom + "ï»¿"},                    // the mark's own bytes
        {"ï»¿à", bom + "ï»¿à"},                  // the mark, then no UTF-8
        {"\uFEFFa", bom + "\uFEFFa"},
    };
    for (const auto& [testo, byte] : casi) {
        EXPECT_EQ(CodificaTesto(testo), byte) << testo;
        EXPECT_EQ(DecodificaTesto(byte), testo) << testo;
    }
}

TEST(Codifica, LinesValuesNumbersAndFileNames) {
    using V = std::vector<std::string_view>;
    const std::pair<std::string_view, V> righe[] = {
        {"", {}}, {"a\r\n", {"a"}}, {"a\rb\nc", V{"a", "b", "c"}}, {"a\n\rb", V{"a", "", "b"}}};
    for (const auto& [testo, attese] : righe) EXPECT_EQ(DividiRighe(testo), attese) << testo;
    EXPECT_EQ(ValoreRiga("Note = a= b "), "a= b ");
    EXPECT_EQ(ValoreRiga("Note ="), std::nullopt);
    const std::pair<std::string_view, std::optional<long>> numeri[] = {
        {" 7\t", 7},  {"+7", 7},   {"-07", -7}, {"7.5", {}},
        {"0x10", {}}, {"1 2", {}}, {"-", {}},   {" ", {}}};
    for (auto [testo, numero] : numeri) EXPECT_EQ(LeggiNumeroIntero(testo), numero) << testo;
    EXPECT_GT(*LeggiNumeroIntero(std::string(40, '9')), 32767);
    EXPECT_EQ(Citazione(std::string(59, 'x') + "àà"), "\"" + std::string(59, 'x') + "à…\"");
    for (auto [percorso, nome] : {std::pair("/home/op/orari/c.vkd", "c.vkd"),
                                  {"c.vkd", "c.vkd"},
                                  {"/home/op/", "/home/op/"},
                                  {"/", "/"}})
        EXPECT_EQ(NomeFile(percorso), nome) << percorso;
}

}  // namespace
}  // namespace ardenvo
