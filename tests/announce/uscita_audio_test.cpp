// The real engine on the real sound library, with its default device set by a user
// configuration in a scratch home folder.

#include <alsa/asoundlib.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "announce/voce_espeak.h"

namespace ardenvo {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class CasaConAudio : public ::testing::Test {
  protected:
    void SetUp() override {
        casa_ = fs::temp_directory_path() /
                ("ardenvo-audio-" +
                 std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(casa_);
        if (const char* h = std::getenv("HOME")) vecchiaCasa_ = h;
        setenv("HOME", casa_.c_str(), 1);
        // The library keeps the configuration it read first for the whole process.
        snd_config_update_free_global();
    }
    void TearDown() override {
        setenv("HOME", vecchiaCasa_.c_str(), 1);
        fs::remove_all(casa_);
    }
    void Configura(const std::string& testo) { std::ofstream(casa_ / ".asoundrc") << testo; }

    fs::path casa_;
    std::string vecchiaCasa_;
};

TEST_F(CasaConAudio, AnnouncementsReachTheDefaultDevice) {
    const fs::path uscita = casa_ / "uscita.raw";
    Configura("pcm.!default { type file; slave.pcm \"null\"; file \"" + uscita.string() +
              "\"; format \"raw\" }\n");
    const std::string testi[] = {"Regionale 20411 per: Parma delle ore 6 14, ",
                                 ", ferma a Fornovo,."};
    std::size_t attesi = 0;
    for (const std::string& testo : testi) {
        std::string errore;
        attesi += SintetizzaItaliano(testo, errore).value().Campioni.size() * sizeof(std::int16_t);
    }

    testing::internal::CaptureStderr();
    {
        VoceEspeak voce;
        for (const std::string& testo : testi) voce.Parla(testo);
        // Played out when the file has stopped growing.
        std::uintmax_t dimensione = 0, precedente = 1;
        for (int giro = 0; giro < 200 && (dimensione == 0 || dimensione != precedente); ++giro) {
            std::this_thread::sleep_for(100ms);
            precedente = std::exchange(dimensione, fs::exists(uscita) ? fs::file_size(uscita) : 0);
        }
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ASSERT_TRUE(fs::exists(uscita));
    // The engine's timing varies a little from one synthesis to the next.
    EXPECT_NEAR(static_cast<double>(fs::file_size(uscita)), attesi, attesi * 0.02);
}

TEST_F(CasaConAudio, AMissingDeviceIsReportedOnceAndNothingElseIsPrinted) {
    Configura("pcm.!default { type hw; card 99 }\n");
    testing::internal::CaptureStderr();
    {
        VoceEspeak voce;
        for (int i = 0; i < 3; ++i) voce.Parla("binario 3");
        std::this_thread::sleep_for(300ms);
    }
    const std::string avvisi = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(avvisi.begin(), avvisi.end(), '\n'), 1) << avvisi;
    EXPECT_TRUE(avvisi.starts_with("Ardenvo: annunci vocali disattivati: ")) << avvisi;
}

}  // namespace
}  // namespace ardenvo
