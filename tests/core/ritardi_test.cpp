#include "core/ritardi.h"

#include <gtest/gtest.h>

#include <deque>

namespace ardenvo {
namespace {

// Hands out a fixed sequence of numbers in [0, 1).
class SequenzaCasuale final : public SorgenteCasuale {
public:
    explicit SequenzaCasuale(std::deque<double> valori) : valori_(std::move(valori)) {}
    double Uniforme() override {
        double v = valori_.front();
        valori_.pop_front();
        return v;
    }

private:
    std::deque<double> valori_;
};

TEST(SommaRitardo, AddsMinutesAndWrapsOnlyOnExactBounds) {
    struct Caso {
        int ora, minuto, ritardo;
        OraMinuto atteso;
    };
    const Caso casi[] = {
        {22, 55, 230, {2, 45}}, {12, 0, 0, {12, 0}},   {23, 59, 5, {0, 4}},
        {23, 50, 20, {0, 10}},  {8, 0, -5, {8, 0}},    {7, 58, 2, {8, 0}},
        // Out-of-range entries never wrap: the tests are equalities.
        {24, 10, 5, {24, 15}},  {3, 61, 5, {3, 66}},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(Somma_Ritardo(c.ora, c.minuto, c.ritardo), c.atteso)
            << c.ora << ":" << c.minuto << " + " << c.ritardo;
}

TEST(RitardoDaEstrazione, BandEdges) {
    const std::pair<int, int> casi[] = {
        {0, 0},     {1999, 0},   {2000, 5},   {2499, 5},   {4999, 30},  {5000, 35},
        {6249, 55}, {6250, 60},  {6499, 60},  {6500, 70},  {8899, 180}, {8900, 190},
        {9299, 220}, {9300, 230}, {9399, 230},
    };
    for (auto [estrazione, minuti] : casi)
        EXPECT_EQ(RitardoDaEstrazione(estrazione, 77), minuti) << estrazione;
    EXPECT_EQ(RitardoDaEstrazione(9400, 77), 77);
    EXPECT_EQ(RitardoDaEstrazione(9999, 0), 0);
}

TEST(EstrattoreRitardi, ClassBoundsLimitTheDelay) {
    // u just below 1 gives the largest draw of each class.
    struct Caso {
        std::int16_t classe;
        std::int16_t massimo;
    };
    const Caso casi[] = {{0, 0}, {1, 5}, {2, 30}, {3, 110}};
    for (const Caso& c : casi) {
        SequenzaCasuale seq({0.99999, 0.0});
        EstrattoreRitardi estrattore(seq);
        Treno t;
        t.ClasseRitardo = c.classe;
        estrattore.Ritardo_Casuale_Partenza(t);
        EXPECT_EQ(t.Ritardo, c.massimo) << "class " << c.classe;
        estrattore.Ritardo_Casuale_Partenza(t);
        EXPECT_EQ(t.Ritardo, 0) << "class " << c.classe;
    }
}

TEST(EstrattoreRitardi, ClassFourAboveTheBandsKeepsTheDelay) {
    SequenzaCasuale seq({0.95, 0.939});
    EstrattoreRitardi estrattore(seq);
    Treno t;
    t.ClasseRitardo = 4;
    t.Ritardo = 15;
    estrattore.Ritardo_Casuale_Partenza(t);
    EXPECT_EQ(estrattore.Casuale, 9500);
    EXPECT_EQ(t.Ritardo, 15);
    estrattore.Ritardo_Casuale_Partenza(t);
    EXPECT_EQ(estrattore.Casuale, 9390);
    EXPECT_EQ(t.Ritardo, 230);
}

TEST(EstrattoreRitardi, UnknownClassKeepsThePreviousBound) {
    SequenzaCasuale seq({0.5, 0.5});
    EstrattoreRitardi estrattore(seq);
    Treno t;
    t.ClasseRitardo = 2;
    estrattore.Ritardo_Casuale_Partenza(t);
    t.ClasseRitardo = 9;
    estrattore.Ritardo_Casuale_Partenza(t);
    EXPECT_EQ(estrattore.MassimoCasuale, 5000);
    EXPECT_EQ(estrattore.Casuale, 2500);
}

TEST(EstrattoreRitardi, DoubleRecordSharesTheDepartureDrawWhileAnArrivalDrawsItsOwn) {
    SequenzaCasuale seq({0.7, 0.1});
    EstrattoreRitardi estrattore(seq);
    Treno partenza, arrivo;
    partenza.ClasseRitardo = arrivo.ClasseRitardo = 4;
    estrattore.Ritardo_Casuale_Partenza(partenza);
    estrattore.Ritardo_Casuale_Arrivo(arrivo, /*TrenoDoppio=*/true);
    EXPECT_EQ(partenza.Ritardo, 90);
    EXPECT_EQ(arrivo.Ritardo, 90);

    Treno solo;
    solo.ClasseRitardo = 4;
    estrattore.Ritardo_Casuale_Arrivo(solo, /*TrenoDoppio=*/false);
    EXPECT_EQ(estrattore.Casuale, 1000);
    EXPECT_EQ(solo.Ritardo, 0);
}

TEST(SorgenteCasualeSistema, ConsecutiveDrawsDiffer) {
    SorgenteCasualeSistema sorgente;
    double precedente = sorgente.Uniforme();
    int uguali = 0;
    for (int i = 0; i < 1000; ++i) {
        const double u = sorgente.Uniforme();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        uguali += (u == precedente);
        precedente = u;
    }
    EXPECT_EQ(uguali, 0);
}

TEST(CancellaOrario, ClearsEverySlotOfBothTables) {
    Orario orario;
    Treno pieno;
    pieno.NumeroTreno = "512";
    pieno.Destinazione = "Roma";
    pieno.Provenienza = "Milano";
    pieno.Ora = 8;
    pieno.Ritardo = 10;
    pieno.PartenzaCinqueMinuti = true;
    pieno.Note = "x";
    orario.Partenze.fill(pieno);
    orario.Arrivi.fill(pieno);
    orario.NumeroPartenze = 3;
    orario.NomeStazione = "Centrale";

    Cancella_Orario(orario);

    Treno vuoto;
    vuoto.NumeroTreno = "0";
    vuoto.Categoria = "0";
    for (int i = 0; i < kPostiTabella; ++i) {
        ASSERT_EQ(orario.Partenze[i], vuoto) << i;
        ASSERT_EQ(orario.Arrivi[i], vuoto) << i;
    }
    EXPECT_EQ(orario.NumeroPartenze, 3);
    EXPECT_EQ(orario.NomeStazione, "Centrale");
}

}  // namespace
}  // namespace ardenvo
