#include "core/simulazione_file.h"

#include <gtest/gtest.h>

#include <random>

#include "core/aiuti_file.h"
#include "fuzz/promesse_lettura.h"

namespace ardenvo {
namespace {

constexpr std::string_view kNome = "esempio.vkz";

// clang-format off
const Treno kPartenza{"512", "Roma", "", "Intercity", 0, 13, 14, 58, 8, 3, 10, true,
                      "Firenze,Arezzo,.", 2, "Carrozza ristorante"};
const Treno kArrivo{"611", "", "Bologna", "Regionale", 0, 14, 14, 20, 20, 5, 0, false, "-", 0,
                    "Treno storico"};
// clang-format on

TEST(FileSimulazione, TheExampleWrittenByteForByteReadBackAndBroken) {
    const std::string esempio = prova::FileDati("esempio.vkz");
    Orario o;
    o.NomeStazione = "Centrale";
    o.NumeroBinari = 12;
    o.NumeroPartenze = o.NumeroArrivi = 1;
    o.Partenze[0] = kPartenza;
    o.Arrivi[0] = kArrivo;
    EXPECT_EQ(CodificaTesto(ScriviSimulazione(o, {14, 3, 27})), esempio);
    const Esito<OrarioLetto> letto = LeggiSimulazione(esempio, kNome);
    ASSERT_TRUE(letto) << letto.Errore().Messaggio();
    EXPECT_EQ(letto.Valore(),
              (OrarioLetto{{kPartenza}, {kArrivo}, true, "Centrale", 12, {14, 3, 27}}));

    const auto con = [&](std::string_view da, std::string_view a) {
        std::string file = esempio;
        return file.replace(file.find(da), da.size(), a);
    };
    const std::pair<std::string, std::string> casi[] = {
        // an empty message: the file loads
        {"# commento\r\n" + esempio,
         "9 Manca \"= \" alla riga 1 di \"esempio.vkz\": \"# commento\""},
        {con("14.3.27", "14.3"),
         "9 Orario senza ore, minuti e secondi alla riga 2 di \"esempio.vkz\": \"14.3\""},
        {con("14.3.27", "14.3.60"),
         "380 Secondo fuori intervallo (0-59) alla riga 2 di \"esempio.vkz\": \"14.3.60\""},
        {con("= 14.20", "= 14.75"),
         "380 Minuto fuori intervallo (0-59) alla riga 29 di \"esempio.vkz\": \"14.75\""},
        {con("= 12", "= 24"),
         "381 Numero di binari oltre 23 alla riga 3 di \"esempio.vkz\": \"24\""},
        {esempio.substr(0, esempio.rfind("Partenza < 5")),
         "62 Fine del file inattesa alla riga 37 di \"esempio.vkz\""},
        {con("\r\n\r\nProssimo treno:\r\nTipologia di treno = 1",
             "\r\n# x\r\nstray\r\nProssimo treno:\r\nTipologia di treno = 7"),
         ""},
        {"", ""}};
    for (const auto& [file, messaggio] : casi) {
        const Esito<OrarioLetto> letto = LeggiSimulazione(file, kNome);
        EXPECT_EQ(letto ? "" : letto.Errore().Messaggio(), messaggio) << file;
    }
    EXPECT_TRUE(LeggiSimulazione(casi[6].first, kNome).Valore().Arrivi.empty());

    // No more than 1001 trains per table.
    o = Orario();
    o.NumeroPartenze = o.NumeroArrivi = kPostiTabella;
    const std::string pieno = ScriviSimulazione(o, {});
    ASSERT_TRUE(LeggiSimulazione(pieno, kNome));
    const std::size_t p = esempio.find("\r\n\r\nP") + 2, a = esempio.rfind("\r\n\r\nP") + 2;
    EXPECT_EQ(LeggiSimulazione(pieno + esempio.substr(p, a - p), kNome).Errore().Numero(), 382);
    EXPECT_EQ(LeggiSimulazione(pieno + esempio.substr(a), kNome).Errore().Numero(), 383);
}

// Whatever a simulation holds comes back from its save: texts plain, in Windows-1252, in pairs
// of Windows-1252 characters that read as UTF-8 ("Ò–" is D2 96), beyond Windows-1252, or like
// what a reader looks for; whole numbers at both ends of their range; the last second of the day;
// tables of different sizes, whose trains come back in their order; no train at all.
TEST(FileSimulazione, SavesLoadBackEqualWhateverTheyHold) {
    for (const char* testo :
         {"", " \t# a= b ", "Città € \u0081\u008D", "SALÒ–GARDONE", "Łódź 🚆 \U0010FFFF"}) {
        OrarioLetto sim{
            std::vector(2, kPartenza), std::vector(4, kArrivo), true, testo, -32768, {23, 59, 59}};
        for (Treno* t : {&sim.Partenze[1], &sim.Arrivi[1]}) {
            for (std::string* campo : {&t->NumeroTreno, &t->Destinazione, &t->Provenienza,
                                       &t->Categoria, &t->FermateSuccessive, &t->Note})
                *campo = testo;
            std::tie(t->Binario, t->Ritardo, t->Indicazioni, t->Ora, t->Minuto) =
                std::tuple(-32768, 32767, -1, 23, 59);
            t->PartenzaCinqueMinuti = !t->PartenzaCinqueMinuti;
        }
        EXPECT_EQ(prova::ControllaRitorno(sim), "") << testo;
    }
    EXPECT_EQ(prova::ControllaRitorno({{}, {}, true, "", 0, {}}), "");
}

// A text the program may hold: any character but a line end, from the whole Windows-1252
// repertoire and beyond it. `fitto` is the share of characters that are not plain ASCII;
// with `coppie` they come only as two Windows-1252 characters whose bytes pair up as UTF-8
// ("Ò–" is D2 96), so that a whole file of them may look like UTF-8.
std::string TestoCasuale(std::mt19937& caso, double fitto, bool coppie) {
    static const char* const kOltre[] = {"Ł",      "Ж",      "\u0496", "✓",
                                         "\uFEFF", "\uFFFD", "🚆",      "\U0010FFFF"};
    // A lone byte is never UTF-8, so it decodes as its Windows-1252 character.
    const auto byte = [&](int da, int a) {
        return DecodificaTesto(std::string(1, static_cast<char>(da + caso() % (a - da + 1))));
    };
    std::string t;
    for (int i = 0, n = static_cast<int>(caso() % 9); i < n; ++i) {
        const int tipo = coppie ? 0 : static_cast<int>(caso() % 3);
        if (std::uniform_real_distribution<double>()(caso) >= fitto)
            t += byte(0x20, 0x7E);
        else if (tipo == 0)
            t += byte(0xC2, 0xDF) + byte(0x80, 0xBF);
        else if (tipo == 1)
            t += kOltre[caso() % std::size(kOltre)];
        else if (std::string b = byte(0x00, 0xFF); b != "\r" && b != "\n")
            t += b;
    }
    return t;
}

TEST(FileSimulazione, RandomSimulationsSaveAndLoadBackEqual) {
    std::mt19937 caso(20261206);
    const auto numero = [&](int da, int a) {
        return static_cast<std::int16_t>(da + static_cast<int>(caso() % (a - da + 1)));
    };
    for (int i = 0; i < 3000; ++i) {
        const double fitto = std::array{0.0, 0.03, 0.15, 0.6}[caso() % 4];
        const bool coppie = caso() % 2 == 0;
        const auto testo = [&] { return TestoCasuale(caso, fitto, coppie); };
        OrarioLetto sim;
        sim.IntestazioneLetta = true;
        sim.NomeStazione = testo();
        sim.NumeroBinari = numero(-32768, 23);
        sim.orologio = {numero(0, 23), numero(0, 59), numero(0, 59)};
        for (auto* tabella : {&sim.Partenze, &sim.Arrivi}) {
            tabella->resize(caso() % 4);
            for (Treno& t : *tabella) {
                for (std::string* campo : {&t.NumeroTreno, &t.Destinazione, &t.Provenienza,
                                           &t.Categoria, &t.FermateSuccessive, &t.Note})
                    *campo = testo();
                for (std::int16_t* campo : {&t.Binario, &t.Ritardo, &t.Indicazioni})
                    *campo = numero(-32768, 32767);
                std::tie(t.ClasseRitardo, t.Ora, t.OraEffettiva, t.Minuto, t.MinutoEffettivo) =
                    std::tuple{numero(0, 4), numero(0, 23), numero(0, 23), numero(0, 59),
                               numero(0, 59)};
                t.PartenzaCinqueMinuti = caso() % 2 == 0;
            }
        }
        ASSERT_EQ(prova::ControllaRitorno(sim), "") << i;
    }
}

}  // namespace
}  // namespace ardenvo
