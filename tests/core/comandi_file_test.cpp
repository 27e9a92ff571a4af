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
#include <random>

#include "core/monitor.h"
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

// A few random edits of the kind a hand-edited or damaged file shows.
std::string Muta(const std::string& file, std::mt19937& caso) {
    static const char* kValori[] = {"",  "-", "99999", "-1",       "24.00",          "8,30",
                                    "x", "7", "1.2.3", "23.59.59", "Prossimo treno:"};
    static const std::string kByte("\r\n=. -9\x80\xC3\0", 10);
    std::vector<std::string> righe;
    for (std::string_view r : DividiRighe(file)) righe.emplace_back(r);
    const auto a_caso = [&](std::size_t n) { return caso() % n; };
    for (int passo = 0, passi = 1 + a_caso(4); passo < passi && !righe.empty(); ++passo) {
        const std::size_t i = a_caso(righe.size()), tipo = a_caso(5);
        std::string& riga = righe[i];
        if (tipo == 0) righe.erase(righe.begin() + i);
        if (tipo == 1) righe.insert(righe.begin() + a_caso(righe.size()), riga);
        if (tipo == 2) righe.resize(i);
        if (tipo == 3) riga.insert(a_caso(riga.size() + 1), 1, kByte[a_caso(kByte.size())]);
        if (tipo == 4 && riga.find("= ") != std::string::npos) riga.resize(riga.find("= ") + 2);
        if (tipo == 4) riga += kValori[a_caso(std::size(kValori))];
    }
    std::string out;
    for (const std::string& r : righe) out += r + "\r\n";
    return out;
}

TEST(ComandiFile, MutatedFilesLoadOrFailWithoutATrace) {
    Stato s;
    const std::string orario = prova::FileDati("stazione_prova.vkd");
    ASSERT_TRUE(Apri_Orario(s.sim, s.pannelli, orario, "prova.vkd", s.estrattore));
    s.sim.orario.Partenze[0].PartenzaCinqueMinuti = true;
    const std::string semi[] = {orario, ScriviSimulazione(s.sim.orario, {7, 8, 9})};
    std::mt19937 caso(20240611);
    int riusciti = 0;
    for (int i = 0; i < 1500; ++i) {
        const std::string file = Muta(semi[i % 2], caso);
        ASSERT_EQ(prova::ControllaOrario(file), "") << file;
        ASSERT_EQ(prova::ControllaSimulazione(file), "") << file;
        riusciti += LeggiSimulazione(file, "m") ? 1 : 0;
    }
    // Both outcomes were exercised, not just one of them.
    EXPECT_TRUE(riusciti > 50 && riusciti < 1450) << riusciti;
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

TEST(ComandiFile, SaveRefusesProtectedTargetsAndWritesThroughLinks) {
    Stato s;
    prova::CartellaProva cartella;
    const fs::path dir = cartella.percorso;
    fs::create_directories(cartella / "altrove");
    fs::create_directories(cartella / "cartella.vkz");
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
    ASSERT_EQ(::mkfifo((cartella / "coda.vkz").c_str(), 0644), 0);
    const std::string byte = CodificaTesto(ScriviSimulazione(s.sim.orario, s.sim.orologio));

    // The file a save replaces (its rights stay), or the message of a save that fails.
    const std::pair<const char*, const char*> casi[] = {
        {"vecchio.vkz", "vecchio.vkz"},
        {"link.vkz", "altrove/vero.vkz"},
        {"catena.vkz", "altrove/vero.vkz"},
        {"orfano.vkz", "altrove/nuovo.vkz"},
        {"sola.vkz", "70 Accesso negato: \"sola.vkz\""},
        {"link-sola.vkz", "70 Accesso negato: \"link-sola.vkz\""},
        {"cartella.vkz", "75 Il percorso è una cartella: \"cartella.vkz\""},
        {"coda.vkz", "75 Il percorso non è un file ordinario: \"coda.vkz\""},
        {"giro.vkz", "75 Impossibile scrivere \"giro.vkz\""},
        {"manca/nuovo.vkz", "76 Cartella non trovata per \"nuovo.vkz\""},
    };
    for (const auto& [nome, esito] : casi) {
        SCOPED_TRACE(nome);
        std::map<std::string, Voce> attese = Fotografia(dir);
        const std::string prima = s.sim.FileSalvataggio;
        const std::optional<ErroreFile> errore = SalvaSimulazione(s.sim, cartella / nome);
        if (!std::string_view(esito).ends_with(".vkz")) {
            EXPECT_EQ(errore ? errore->Messaggio() : "", esito);
            EXPECT_EQ(s.sim.FileSalvataggio, prima);
        } else {
            ASSERT_FALSE(errore) << errore->Messaggio();
            EXPECT_EQ(s.sim.FileSalvataggio, cartella / nome);
            const auto vecchia = attese.find(esito);
            const fs::perms diritti = vecchia != attese.end()
                                          ? std::get<fs::perms>(vecchia->second)
                                          : fs::status(cartella / esito).permissions();
            attese[esito] = {fs::file_type::regular, diritti, byte};
        }
        EXPECT_EQ(Fotografia(dir), attese);
    }
}

// Runs a load on another thread, so that one stuck on a pipe fails the test instead of
// hanging the suite: the pipe is then opened for writing, which releases the reader.
Esito<DopoCaricamento> SenzaAttesa(const std::string& coda,
                                   const std::function<Esito<DopoCaricamento>()>& carica) {
    std::future<Esito<DopoCaricamento>> esito = std::async(std::launch::async, carica);
    if (esito.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        ADD_FAILURE() << "the load waits on the pipe";
        ::close(::open(coda.c_str(), O_WRONLY | O_NONBLOCK));
    }
    return esito.get();
}

TEST(ComandiFile, OpeningRefusesWhatIsNoFileAtOnceAndNamesTheFile) {
    Stato s;
    prova::CartellaProva cartella;
    ASSERT_EQ(::mkfifo((cartella / "coda.vkd").c_str(), 0644), 0);
    fs::create_directories(cartella / "sotto");
    std::ofstream(cartella / "foto.png") << std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);

    // Each path, opened as a timetable and as a saved simulation.
    const std::tuple<std::string, const char*, const char*> casi[] = {
        {cartella / "coda.vkd", "75 Il percorso non è un file ordinario: \"coda.vkd\"", nullptr},
        {"/dev/zero", "75 Il percorso non è un file ordinario: \"zero\"", nullptr},
        {cartella / "sotto", "75 Il percorso è una cartella: \"sotto\"", nullptr},
        {cartella / "manca.vkd", "53 File non trovato: \"manca.vkd\"", nullptr},
        {cartella / "foto.png", "62 Fine del file inattesa alla riga 5 di \"foto.png\"",
         "9 Manca \"= \" alla riga 1 di \"foto.png\": \"‰PNG\""},
        {kProva, nullptr,
         "9 Manca \"= \" alla riga 1 di \"stazione_prova.vkd\": \"# Orario di prova: ogni "
         "tipo di record, commenti ovunque, ma…\""},
    };
    const Orario prima = s.sim.orario;
    for (const auto& [percorso, come_orario, come_salvataggio] : casi) {
        const std::function<Esito<DopoCaricamento>()> carica[] = {
            [&] { return ApriScenario(s.sim, s.pannelli, percorso, s.estrattore); },
            [&] { return ApriSalvataggio(s.sim, s.pannelli, percorso); }};
        const char* attesi[] = {come_orario, come_salvataggio ? come_salvataggio : come_orario};
        for (int i = 0; i < 2; ++i) {
            if (!attesi[i]) continue;
            const Esito<DopoCaricamento> esito = SenzaAttesa(cartella / "coda.vkd", carica[i]);
            EXPECT_EQ(esito ? "" : esito.Errore().Messaggio(), attesi[i]) << percorso;
        }
        EXPECT_TRUE(s.sim.orario == prima && s.sim.FileSalvataggio == "/prima.vkz") << percorso;
    }
}

}  // namespace
}  // namespace ardenvo
