#include "announce/voce_espeak.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

namespace ardenvo {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;

// What a fake sound output has been given, shared between the test and the engine's thread.
struct StatoUscita {
    std::mutex serratura;
    std::condition_variable cambiato;
    std::vector<std::int16_t> campioni;
    int aperture = 0, chiusure = 0, interruzioni = 0;
    bool bloccata = false;              // Scrivi waits while true
    std::chrono::microseconds pausa{};  // per write, as a real device takes its time
    bool apriFallisce = false;

    void Sblocca() {
        std::lock_guard blocco(serratura);
        bloccata = false;
        cambiato.notify_all();
    }
    // Waits until the condition holds; false on time-out.
    template <typename Condizione>
    bool Attendi(Condizione condizione) {
        std::unique_lock blocco(serratura);
        return cambiato.wait_for(blocco, 10s, condizione);
    }
    // The sample values in the order played, one entry per run of equal values.
    std::vector<int> Sequenza() {
        std::lock_guard blocco(serratura);
        std::vector<int> valori;
        for (std::int16_t c : campioni)
            if (valori.empty() || valori.back() != c) valori.push_back(c);
        return valori;
    }
};

class UscitaFinta final : public UscitaAudio {
  public:
    explicit UscitaFinta(std::shared_ptr<StatoUscita> stato) : stato_(std::move(stato)) {}
    bool Apri(int, std::string& errore) override {
        std::lock_guard blocco(stato_->serratura);
        if (stato_->apriFallisce) {
            errore = "nessun dispositivo";
            return false;
        }
        ++stato_->aperture;
        return true;
    }
    bool Scrivi(std::span<const std::int16_t> campioni, std::string&) override {
        std::this_thread::sleep_for(stato_->pausa);
        std::unique_lock blocco(stato_->serratura);
        stato_->cambiato.wait(blocco, [&] { return !stato_->bloccata; });
        stato_->campioni.insert(stato_->campioni.end(), campioni.begin(), campioni.end());
        stato_->cambiato.notify_all();
        return true;
    }
    void Chiudi() override {
        std::lock_guard blocco(stato_->serratura);
        ++stato_->chiusure;
        stato_->cambiato.notify_all();
    }
    void Interrompi() override {
        std::lock_guard blocco(stato_->serratura);
        ++stato_->interruzioni;
    }

  private:
    std::shared_ptr<StatoUscita> stato_;
};

// Text "7" becomes `durata` samples of value 7, so the output shows what was played in order.
VoceEspeak::Sintesi SintesiFinta(std::size_t durata) {
    return [durata](const std::string& testo, std::string&) {
        AudioSintetizzato audio;
        audio.Frequenza = 22050;
        audio.Campioni.assign(durata, static_cast<std::int16_t>(std::stoi(testo)));
        return std::optional(audio);
    };
}

VoceEspeak::FabbricaUscita Fabbrica(const std::shared_ptr<StatoUscita>& stato) {
    return [stato] { return std::make_unique<UscitaFinta>(stato); };
}

TEST(VoceEspeak, PressesNeverWaitAndEveryTextIsPlayedWholeInOrder) {
    auto stato = std::make_shared<StatoUscita>();
    stato->bloccata = true;  // the device takes the first samples and holds
    std::ostringstream avvisi;
    VoceEspeak voce(SintesiFinta(5000), Fabbrica(stato), avvisi);
    voce.Parla("1");
    voce.Parla("2");
    // More presses while the first announcement is still being played.
    const auto inizio = std::chrono::steady_clock::now();
    voce.Parla("3");
    voce.Parla("4");
    EXPECT_LT(std::chrono::steady_clock::now() - inizio, 100ms);
    EXPECT_TRUE(stato->Sequenza().empty());

    stato->Sblocca();
    ASSERT_TRUE(stato->Attendi([&] { return stato->chiusure == 1; }));
    EXPECT_THAT(stato->Sequenza(), ElementsAre(1, 2, 3, 4));
    EXPECT_EQ(stato->campioni.size(), 4u * 5000u);
    // One stream for texts that follow each other, played out rather than cut.
    EXPECT_EQ(stato->aperture, 1);
    EXPECT_EQ(stato->interruzioni, 0);
    EXPECT_EQ(avvisi.str(), "");
}

TEST(VoceEspeak, FailuresLeaveTheProgramSilentAndAreReportedOnce) {
    auto stato = std::make_shared<StatoUscita>();
    struct Caso {
        const char* nome;
        VoceEspeak::Sintesi sintesi;
        VoceEspeak::FabbricaUscita fabbrica;
        bool apriFallisce;
        const char* motivo;
    };
    const Caso casi[] = {
        {"no sound device", SintesiFinta(10), [] { return std::unique_ptr<UscitaAudio>(); }, false,
         "nessuna uscita audio"},
        {"device refuses to open", SintesiFinta(10), Fabbrica(stato), true, "nessun dispositivo"},
        {"synthesiser cannot start",
         [](const std::string&, std::string& errore) {
             errore = "voce mancante";
             return std::optional<AudioSintetizzato>();
         },
         Fabbrica(stato), false, "voce mancante"},
    };
    for (const Caso& c : casi) {
        stato->apriFallisce = c.apriFallisce;
        std::ostringstream avvisi;
        {
            VoceEspeak voce(c.sintesi, c.fabbrica, avvisi);
            for (int i = 0; i < 5; ++i) voce.Parla("1");
            // Give the engine's thread time to go through the queue.
            std::this_thread::sleep_for(50ms);
        }
        const std::string testo = avvisi.str();
        EXPECT_EQ(std::count(testo.begin(), testo.end(), '\n'), 1) << c.nome << ": " << testo;
        EXPECT_NE(testo.find(c.motivo), std::string::npos) << c.nome << ": " << testo;
        EXPECT_TRUE(stato->campioni.empty()) << c.nome;
    }
}

TEST(VoceEspeak, ShutdownCutsOffALongAnnouncementPromptly) {
    auto stato = std::make_shared<StatoUscita>();
    stato->pausa = 1ms;
    std::ostringstream avvisi;
    // A minute of speech at 22050 samples a second, and more queued behind it.
    std::optional<VoceEspeak> voce;
    voce.emplace(SintesiFinta(22050 * 60), Fabbrica(stato), avvisi);
    voce->Parla("1");
    voce->Parla("2");
    ASSERT_TRUE(stato->Attendi([&] { return !stato->campioni.empty(); }));
    const auto inizio = std::chrono::steady_clock::now();
    voce.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - inizio, 1s);
    EXPECT_LT(stato->campioni.size(), 22050u * 60u);
    EXPECT_EQ(stato->interruzioni, 1);
    EXPECT_EQ(stato->chiusure, 0);
    EXPECT_EQ(avvisi.str(), "");
}

}  // namespace
}  // namespace ardenvo
