#include "announce/voce_espeak.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace ardenvo {
namespace {

using namespace std::chrono_literals;

// A sound device that keeps what it is given; writes hold while `bloccata`, and the next
// `apriFallisce` opens and `scriviFallisce` writes fail.
struct Dispositivo {
    std::mutex m;
    std::condition_variable cambiato;
    std::vector<std::int16_t> campioni;
    int aperture = 0, chiusure = 0, interruzioni = 0, apriFallisce = 0, scriviFallisce = 0;
    bool bloccata = false;

    // Runs `azione` under the lock and tells the waiters; returns what it returns.
    auto Cambia(auto azione) {
        std::lock_guard blocco(m);
        const auto esito = azione();
        cambiato.notify_all();
        return esito;
    }
    bool Attendi(auto condizione) {
        std::unique_lock blocco(m);
        return cambiato.wait_for(blocco, 10s, condizione);
    }
};

struct UscitaFinta final : UscitaAudio {
    explicit UscitaFinta(Dispositivo& d) : d(d) {}
    bool Apri(int, std::string& errore) override {
        errore = "nessun dispositivo";  // read on failure only
        return d.Cambia([&] { return d.apriFallisce-- <= 0 && ++d.aperture; });
    }
    bool Scrivi(std::span<const std::int16_t> campioni, std::string& errore) override {
        std::this_thread::sleep_for(1ms);  // as a real device takes its time
        errore = "dispositivo occupato";
        if (!d.Cambia([&] { return d.scriviFallisce-- <= 0; })) return false;
        std::unique_lock blocco(d.m);
        d.cambiato.wait(blocco, [&] { return !d.bloccata; });
        d.campioni.insert(d.campioni.end(), campioni.begin(), campioni.end());
        d.cambiato.notify_all();
        return true;
    }
    void Chiudi() override {
        d.Cambia([&] { return ++d.chiusure; });
    }
    void Interrompi() override {
        d.Cambia([&] { return ++d.interruzioni; });
    }
    Dispositivo& d;
};

// Text "7" becomes 7000 samples of value 7, so the device shows what was played, in order;
// "0" fails as a synthesiser without its voice data does.
std::optional<AudioSintetizzato> SintesiFinta(const std::string& testo, std::string& errore) {
    const auto valore = static_cast<std::int16_t>(std::stoi(testo));
    errore = "voce mancante";  // read on failure only
    if (valore == 0) return std::nullopt;
    return AudioSintetizzato{std::vector<std::int16_t>(valore * 1000u, valore), 22050};
}

std::unique_ptr<VoceEspeak> Voce(Dispositivo& d, std::ostream& avvisi) {
    return std::make_unique<VoceEspeak>(
        SintesiFinta, [&d] { return std::make_unique<UscitaFinta>(d); }, avvisi);
}

std::vector<std::int16_t> Campioni(std::initializer_list<std::int16_t> testi) {
    std::vector<std::int16_t> attesi;
    for (std::int16_t valore : testi) attesi.insert(attesi.end(), valore * 1000u, valore);
    return attesi;
}

TEST(VoceEspeak, PressesNeverWaitTextsPlayWholeInOrderAndShutdownCutsOff) {
    Dispositivo d;
    d.bloccata = true;  // the device holds the first write until released
    std::ostringstream avvisi;
    auto voce = Voce(d, avvisi);
    auto inizio = std::chrono::steady_clock::now();
    for (const char* testo : {"1", "2", "3", "4"}) voce->Parla(testo);
    EXPECT_LT(std::chrono::steady_clock::now() - inizio, 100ms);
    d.Cambia([&] { return d.bloccata = false; });
    ASSERT_TRUE(d.Attendi([&] { return d.chiusure == 1; }));
    EXPECT_TRUE(d.campioni == Campioni({1, 2, 3, 4})) << "texts cut, lost or out of order";
    // One stream for texts that follow each other, played out rather than cut.
    EXPECT_EQ(std::tie(d.aperture, d.interruzioni), std::tuple(1, 0));

    // A long announcement with more behind it is cut off when the program ends.
    voce->Parla("1000");
    voce->Parla("2");
    ASSERT_TRUE(d.Attendi([&] { return d.campioni.size() > 10'000u; }));
    inizio = std::chrono::steady_clock::now();
    voce.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - inizio, 1s);
    EXPECT_LT(d.campioni.size(), 1'010'000u);
    EXPECT_EQ(d.interruzioni, 1);
    EXPECT_EQ(avvisi.str(), "");
}

// A failure drops its one text and is reported once; the next text tries again, and a machine
// without a sound device stays silent with one notice.
TEST(VoceEspeak, AFailureCostsOneTextAndIsReportedOnce) {
    // The texts, how many opens and writes fail, the notice, what is played.
    const std::tuple<std::vector<const char*>, int, int, const char*, std::vector<std::int16_t>>
        casi[] = {
            {{"1", "2"}, 1, 0, "nessun dispositivo", Campioni({2})},
            {{"1", "2"}, 0, 1, "dispositivo occupato", Campioni({2})},
            {{"0", "3"}, 0, 0, "voce mancante", Campioni({3})},
            {{"1", "1", "1", "1", "1"}, 1000, 0, "nessun dispositivo", {}},
            {{"0", "0", "0"}, 0, 0, "voce mancante", {}},
        };
    for (const auto& [testi, apri, scrivi, motivo, suonati] : casi) {
        Dispositivo d;
        std::tie(d.apriFallisce, d.scriviFallisce) = std::tie(apri, scrivi);
        std::ostringstream avvisi;
        {
            auto voce = Voce(d, avvisi);
            for (const char* testo : testi) voce->Parla(testo);
            if (suonati.empty())
                std::this_thread::sleep_for(50ms);  // for the engine's thread to empty the queue
            else
                ASSERT_TRUE(d.Attendi([&] { return d.chiusure == 1; })) << motivo;
        }
        EXPECT_TRUE(d.campioni == suonati) << motivo << ": " << d.campioni.size();
        const std::string righe = avvisi.str();
        EXPECT_EQ(std::ranges::count(righe, '\n'), 1) << righe;
        EXPECT_NE(righe.find(motivo), std::string::npos) << righe;
    }
}

// The real synthesiser: a departure comes out as audible speech of about fifteen words.
TEST(SintesiEspeak, TheItalianVoiceSpeaksAudiblyForAPlausibleTime) {
    std::string errore;
    const auto audio = SintetizzaItaliano(
        "Eurosity 2318 per: Reggio Calabria delle ore 8 5, è in partenza dal binario 7 ", errore);
    ASSERT_TRUE(audio) << errore;
    double energia = 0;
    int picco = 0;
    for (int c : audio->Campioni) {
        energia += static_cast<double>(c) * c;
        picco = std::max(picco, std::abs(c));
    }
    EXPECT_GT(picco, 3000);
    EXPECT_GT(energia, 300.0 * 300.0 * audio->Campioni.size());  // a root mean square above 300
    EXPECT_TRUE(audio->Secondi() > 2.5 && audio->Secondi() < 12) << audio->Secondi();
}

}  // namespace
}  // namespace ardenvo
