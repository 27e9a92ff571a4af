#include "core/comandi_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <map>

#include "fuzz/promesse_lettura.h"

namespace ardenvo {
namespace {

using Stato = prova::StatoInCorso;
const std::string kProva = std::string(ARDENVO_DATI_TEST) + "/stazione_prova.vkd";

TEST(ComandiFile, ScenarioReplacesTheTimetableAndKeepsTheClockOnAnEmptyFile) {
    Stato s;
    prova::CartellaProva cartella;
    const Esito<DopoCaricamento> esito = ApriScenario(s.sim, s.pannelli, kProva, s.estrattore);
    ASSERT_TRUE(esito) << esito.Errore().Messaggio();
    EXPECT_EQ(esito.Valore(), (DopoCaricamento{"Borgo Sereno", false}));
    EXPECT_EQ(s.sim.orologio, (Orologio{6, 45, 7}));  // the second runs on
    EXPECT_EQ(std::tie(s.sim.orario.NumeroBinari, s.sim.orario.NumeroArrivi, s.sim.IndicePartenze,
                       s.sim.FileSalvataggio),
              std::tuple(3, 2, 0, "/prima.vkz"));
    EXPECT_EQ(std::tie(s.pannelli.Righe[1].Testi[0], s.pannelli.Righe[2].Visibile,
                       s.pannelli.Righe[9].Testi[0]),
              std::tuple("2345", true, "611"));
    std::ofstream(cartella / "vuoto.vkd");
    ASSERT_TRUE(ApriScenario(s.sim, s.pannelli, cartella / "vuoto.vkd", s.estrattore));
    EXPECT_EQ(std::tie(s.sim.orario.NomeStazione, s.sim.orologio, s.sim.orario.NumeroPartenze),
              std::tuple("Borgo Sereno", Orologio{6, 45, 7}, 0));

    // A timetable that ends after the delay draw of its second train fails without a trace,
    // the draws included.
    const std::string orario = prova::FileDati("stazione_prova.vkd");
    EXPECT_EQ(prova::ControllaOrario(orario.substr(0, orario.find("Indicazioni = 4"))), "");
}

namespace fs = std::filesystem;

// Every entry under a folder with its kind, rights and content or link target: what a save
// changed, and that it left no temporary file behind.
using Voce = std::tuple<fs::file_type, fs::perms, std::string>;
std::map<std::string, Voce> Fotografia(const fs::path& cartella, const fs::path& sotto = {}) {
    std::map<std::string, Voce> voci;
    for (const fs::directory_entry& e : fs::directory_iterator(cartella / sotto)) {
        const fs::path nome = sotto / e.path().filename();
        const fs::file_status st = e.symlink_status();
        std::string contenuto;
        if (fs::is_symlink(st)) contenuto = fs::read_symlink(e.path()).string();
        if (fs::is_regular_file(st)) contenuto = LeggiFile(e.path()).Valore();
        if (fs::is_directory(st)) voci.merge(Fotografia(cartella, nome));
        voci[nome.string()] = {st.type(), st.permissions(), contenuto};
    }
    return voci;
}

// The message of a load run on another thread, so that one stuck on a pipe fails the test
// instead of hanging the suite: the pipe is then opened for writing, which releases the reader.
std::string SenzaAttesa(const std::string& coda,
                        const std::function<Esito<DopoCaricamento>()>& carica) {
    std::future<Esito<DopoCaricamento>> esito = std::async(std::launch::async, carica);
    if (esito.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        ADD_FAILURE() << "the load waits on the pipe";
        ::close(::open(coda.c_str(), O_WRONLY | O_NONBLOCK));
    }
    const Esito<DopoCaricamento> fine = esito.get();
    return fine ? "" : fine.Errore().Messaggio();
}

TEST(ComandiFile, LoadsAndSavesRefuseWhatIsNoFileForThemAndSavesWriteThroughLinks) {
    Stato s;
    prova::CartellaProva cartella;
    fs::create_directories(cartella / "altrove");
    fs::create_directories(cartella / "cartella.vkz");
    const std::string coda = cartella / "coda.vkz";
    ASSERT_EQ(::mkfifo(coda.c_str(), 0644), 0);
    std::ofstream(cartella / "foto.png") << std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    for (auto [nome, diritti] :
         {std::pair("vecchio.vkz", 0640), {"sola.vkz", 0444}, {"altrove/vero.vkz", 0600}}) {
        std::ofstream(cartella / nome) << nome;
        fs::permissions(cartella / nome, fs::perms(diritti));
    }
    for (auto [link, verso] : {std::pair("link.vkz", "altrove/vero.vkz"),
                               {"catena.vkz", "link.vkz"},
                               {"orfano.vkz", "altrove/nuovo.vkz"},
                               {"link-sola.vkz", "sola.vkz"},
                               {"giro.vkz", "giro.vkz"}})
        fs::create_symlink(verso, cartella / link);
    const std::string byte = CodificaTesto(ScriviSimulazione(s.sim.orario, s.sim.orologio));
    const Orario prima_orario = s.sim.orario;

    // Each path: the message of opening it as a timetable and as a saved simulation (none: not
    // opened; none for the second: the same message), then the file a save replaces (its rights
    // stay) or the message of a save that fails (none: not saved).
    const char* const kCartella = "75 Il percorso è una cartella: \"cartella.vkz\"";
    const char* const kCoda = "75 Il percorso non è un file ordinario: \"coda.vkz\"";
    const std::tuple<const char*, const char*, const char*, const char*> casi[] = {
        {"vecchio.vkz", nullptr, nullptr, "vecchio.vkz"},
        {"link.vkz", nullptr, nullptr, "altrove/vero.vkz"},
        {"catena.vkz", nullptr, nullptr, "altrove/vero.vkz"},
        {"orfano.vkz", nullptr, nullptr, "altrove/nuovo.vkz"},
        {"sola.vkz", nullptr, nullptr, "70 Accesso negato: \"sola.vkz\""},
        {"link-sola.vkz", nullptr, nullptr, "70 Accesso negato: \"link-sola.vkz\""},
        {"cartella.vkz", kCartella, nullptr, kCartella},
        {"coda.vkz", kCoda, nullptr, kCoda},
        {"giro.vkz", nullptr, nullptr, "75 Impossibile scrivere \"giro.vkz\""},
        {"manca/nuovo.vkz", "53 File non trovato: \"nuovo.vkz\"", nullptr,
         "76 Cartella non trovata per \"nuovo.vkz\""},
        {"foto.png", "62 Fine del file inattesa alla riga 5 di \"foto.png\"",
         "9 Manca \"= \" alla riga 1 di \"foto.png\": \"‰PNG\"", nullptr},
    };
    for (const auto& [nome, come_orario, come_salvataggio, salvato] : casi) {
        SCOPED_TRACE(nome);
        const std::string percorso = cartella / nome, prima = s.sim.FileSalvataggio;
        const auto apri_orario = [&] {
            return ApriScenario(s.sim, s.pannelli, percorso, s.estrattore);
        };
        const auto apri_salvataggio = [&] { return ApriSalvataggio(s.sim, s.pannelli, percorso); };
        if (come_orario) {
            EXPECT_EQ(SenzaAttesa(coda, apri_orario), come_orario);
            EXPECT_EQ(SenzaAttesa(coda, apri_salvataggio),
                      come_salvataggio ? come_salvataggio : come_orario);
            EXPECT_TRUE(s.sim.orario == prima_orario && s.sim.FileSalvataggio == prima);
        }
        if (!salvato) continue;
        std::map<std::string, Voce> attese = Fotografia(cartella.percorso);
        const std::optional<ErroreFile> errore = SalvaSimulazione(s.sim, percorso);
        if (!std::string_view(salvato).ends_with(".vkz")) {
            EXPECT_EQ(errore ? errore->Messaggio() : "", salvato);
            EXPECT_EQ(s.sim.FileSalvataggio, prima);
        } else {
            ASSERT_FALSE(errore) << errore->Messaggio();
            EXPECT_EQ(s.sim.FileSalvataggio, percorso);
            const auto vecchia = attese.find(salvato);
            const fs::perms diritti = vecchia != attese.end()
                                          ? std::get<fs::perms>(vecchia->second)
                                          : fs::status(cartella / salvato).permissions();
            attese[salvato] = {fs::file_type::regular, diritti, byte};
        }
        EXPECT_EQ(Fotografia(cartella.percorso), attese);
    }
}

}  // namespace
}  // namespace ardenvo
