#include "announce/sintesi_espeak.h"

#include <gtest/gtest.h>

#include <cmath>

#include "announce/annunci.h"
#include "announce/voce_registrata.h"

namespace ardenvo {
namespace {

TEST(SintesiEspeak, ADepartureAnnouncementIsAudibleSpeechOfPlausibleLength) {
    Treno t;
    t.NumeroTreno = "2318";
    t.Destinazione = "Reggio Calabria";
    t.Categoria = "Eurocity";
    t.Ora = 8;
    t.Minuto = 5;
    t.Binario = 7;
    t.Ritardo = 70;
    t.FermateSuccessive = "Salerno,Paola,.";
    VoceRegistrata voce;
    Annuncio_Partenza(t, voce);
    ASSERT_EQ(voce.testi.size(), 3u);

    double secondi = 0;
    for (const std::string& testo : voce.testi) {
        std::string errore;
        const auto audio = SintetizzaItaliano(testo, errore);
        ASSERT_TRUE(audio) << errore;
        ASSERT_GT(audio->Frequenza, 8000);
        secondi += audio->Secondi();

        double energia = 0;
        int picco = 0;
        for (std::int16_t c : audio->Campioni) {
            energia += static_cast<double>(c) * c;
            picco = std::max(picco, std::abs(static_cast<int>(c)));
        }
        const double rms = std::sqrt(energia / std::max<std::size_t>(1, audio->Campioni.size()));
        EXPECT_GT(picco, 3000) << testo;
        EXPECT_GT(rms, 300) << testo;
    }
    // About thirty words of speech.
    EXPECT_GT(secondi, 5.0);
    EXPECT_LT(secondi, 25.0);
}

TEST(SintesiEspeak, LongerTextsLastLonger) {
    std::string errore;
    const auto breve = SintetizzaItaliano("binario 3", errore);
    const auto lunga = SintetizzaItaliano(
        "Intercity 512 per: Roma delle ore 8 5, è in partenza dal binario 3 ", errore);
    ASSERT_TRUE(breve && lunga) << errore;
    EXPECT_GT(breve->Secondi(), 0.3);
    EXPECT_GT(lunga->Secondi(), 2.5 * breve->Secondi());
}

}  // namespace
}  // namespace ardenvo
