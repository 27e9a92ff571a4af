// The sample timetables shipped beside the program, read record by record.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "core/codici.h"
#include "core/ritardi.h"

namespace ardenvo {
namespace {

// What the value lines of a record hold, by position: N number, D destination, O origin,
// K category, A arrival time, P departure time, B platform, C delay class, F following stops,
// I service note, E notes, - a line the reader drops.
const std::map<int, std::string> kPosizioni = {
    {0, "ND-K-PBCFIE"}, {1, "N-OKA-BCIE"}, {2, "NDOKAPBCFIE"}};

struct Riepilogo {
    std::set<std::string> fini;  // line ends met: "CRLF", "LF", "CR"
    int binari = 0, inizio = 0, marcatori = 0, autobus = 0, commenti = 0, fermate = 0, note = 0;
    std::map<int, int> perTipo;
    std::set<int> classi;
    std::set<std::string> indicazioni;
};

std::optional<int> Intero(const std::string& testo) {
    if (testo.empty() || testo.size() > 4 ||
        testo.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(testo);
}

// Minutes after midnight of "H.MM", or nothing when it is no time of day.
std::optional<int> Orario(const std::string& testo) {
    const auto punto = testo.find('.');
    if (punto == std::string::npos) return std::nullopt;
    const auto ora = Intero(testo.substr(0, punto));
    const auto minuto = Intero(testo.substr(punto + 1));
    if (!ora || !minuto || *ora > 23 || *minuto > 59) return std::nullopt;
    return *ora * 60 + *minuto;
}

class Lettore {
  public:
    Lettore(const std::string& nome, Riepilogo& r) : nome_(nome), r_(r) {
        const char* radice = std::getenv("ARDENVO_SOURCE_DIR");
        std::ifstream file(std::string(radice ? radice : ".") + "/scenari/" + nome,
                           std::ios::binary);
        EXPECT_TRUE(file) << nome;
        std::stringstream lettura;
        lettura << file.rdbuf();
        const std::string dati = lettura.str();
        std::string riga;
        for (std::size_t i = 0; i < dati.size(); ++i) {
            const char c = dati[i];
            if (c != '\r' && c != '\n') {
                riga += c;
                continue;
            }
            const bool crlf = c == '\r' && dati.substr(i + 1, 1) == "\n";
            r_.fini.insert(crlf ? "CRLF" : c == '\r' ? "CR" : "LF");
            i += crlf;
            righe_.push_back(std::exchange(riga, {}));
        }
        if (!riga.empty()) righe_.push_back(riga);
    }

    // The next line that is not a comment, or nothing at the end of the file.
    const std::string* Prossima() {
        while (pos_ < righe_.size()) {
            const std::string& riga = righe_[pos_++];
            if (!riga.starts_with("#")) return &riga;
            ++r_.commenti;
        }
        return nullptr;
    }
    std::string Dove() const { return nome_ + ":" + std::to_string(pos_) + ": "; }

  private:
    std::string nome_;
    Riepilogo& r_;
    std::vector<std::string> righe_;
    std::size_t pos_ = 0;
};

// "Key = value" gives the text after the first "= ".
std::optional<std::string> Valore(const std::string* riga) {
    const auto pos = riga ? riga->find("= ") : std::string::npos;
    if (pos == std::string::npos) return std::nullopt;
    return riga->substr(pos + 2);
}

void Controlla(const std::string& nome, Riepilogo& r) {
    Lettore file(nome, r);
    for (char iniziale : {'S', 'O', 'N'}) {
        const std::string* riga;
        while ((riga = file.Prossima()) && !riga->starts_with(iniziale)) {
        }
        const auto valore = Valore(riga);
        ASSERT_TRUE(valore && !valore->empty()) << file.Dove() << "header " << iniziale;
        if (iniziale == 'O') r.inizio = Orario(*valore).value_or(-1);
        if (iniziale == 'N') r.binari = Intero(*valore).value_or(0);
    }
    EXPECT_GE(r.inizio, 0);
    EXPECT_TRUE(r.binari >= 1 && r.binari <= kBinari);

    while (const std::string* riga = file.Prossima()) {
        if (riga->empty()) continue;
        // Between records a sample holds only blank lines, comments and markers.
        ASSERT_EQ(*riga, "Prossimo treno:") << file.Dove();
        ++r.marcatori;
        const auto tipo = Intero(Valore(file.Prossima()).value_or(""));
        ASSERT_TRUE(tipo && kPosizioni.contains(*tipo)) << file.Dove();
        ++r.perTipo[*tipo];

        int arrivo = -1, partenza = -1, classe = 0;
        for (char campo : kPosizioni.at(*tipo)) {
            const std::string* riga = file.Prossima();
            ASSERT_TRUE(riga) << file.Dove() << "end of file inside a record";
            if (campo == '-') continue;
            const auto valore = Valore(riga);
            ASSERT_TRUE(valore) << file.Dove() << *riga;
            const std::string& v = *valore;
            const std::string dove = file.Dove() + v;
            EXPECT_EQ(v.find("= "), std::string::npos) << dove;
            const int numero = Intero(v).value_or(-1);
            switch (campo) {
                case 'N':
                case 'D':
                case 'O':
                    EXPECT_FALSE(v.empty()) << dove;
                    break;
                case 'K':
                    EXPECT_NE(std::find(ElencoCategorie.begin() + 1, ElencoCategorie.end(), v),
                              ElencoCategorie.end())
                        << dove;
                    r.autobus += v == "Autobus";
                    break;
                case 'A':
                    arrivo = Orario(v).value_or(-1);
                    EXPECT_GE(arrivo, 0) << dove;
                    break;
                case 'P':
                    partenza = Orario(v).value_or(-1);
                    EXPECT_GE(partenza, 0) << dove;
                    break;
                case 'B':
                    EXPECT_TRUE(numero >= 1 && numero <= r.binari) << dove;
                    break;
                case 'C':
                    EXPECT_TRUE(numero >= 0 && numero <= 4) << dove;
                    classe = std::max(numero, 0);
                    r.classi.insert(classe);
                    break;
                case 'F':
                    // "-" for none, else entries closed by the "." entry.
                    EXPECT_TRUE(v == "-" || v.ends_with(",.")) << dove;
                    r.fermate += v != "-";
                    break;
                case 'I':
                    EXPECT_TRUE(v == "-" || (numero >= 0 && numero <= 9)) << dove;
                    r.indicazioni.insert(v);
                    break;
                case 'E':
                    r.note += v != "-";
                    break;
            }
        }
        if (*tipo == 2) {
            EXPECT_LT(arrivo, partenza) << file.Dove();
        }
        // Nothing is due before the clock starts, and the worst delay of its class keeps a
        // train on the same day, so the panels list the day in order.
        const int orario = std::max(arrivo, partenza);
        const int peggiore = RitardoDaEstrazione(*MassimoDellaClasse(classe) - 1, 0);
        EXPECT_GT(arrivo >= 0 ? arrivo : partenza, r.inizio) << file.Dove();
        EXPECT_LT(orario + peggiore, 24 * 60) << file.Dove();
    }
}

TEST(Scenari, LargeStation) {
    Riepilogo r;
    Controlla("centrale.vkd", r);
    EXPECT_EQ(r.fini, std::set<std::string>{"CRLF"});
    EXPECT_GE(r.binari, 12);
    EXPECT_TRUE(r.marcatori >= 140 && r.marcatori <= 160) << r.marcatori;
    EXPECT_TRUE(r.perTipo[0] >= 30 && r.perTipo[1] >= 30 && r.perTipo[2] >= 20);
    EXPECT_EQ(r.classi, (std::set<int>{0, 1, 2, 3, 4}));
    EXPECT_GE(r.autobus, 4);
    EXPECT_TRUE(r.indicazioni.contains("-"));
    EXPECT_GE(r.indicazioni.size(), 6u);
    EXPECT_GT(r.fermate, 50);
    EXPECT_GT(r.note, 20);
    EXPECT_GT(r.commenti, 5);
}

TEST(Scenari, SmallStation) {
    Riepilogo r;
    Controlla("piccola.vkd", r);
    EXPECT_EQ(r.fini, std::set<std::string>{"LF"});
    EXPECT_EQ(r.binari, 3);
    EXPECT_TRUE(r.marcatori >= 10 && r.marcatori <= 16) << r.marcatori;
    EXPECT_EQ(r.perTipo.size(), 3u);
}

}  // namespace
}  // namespace ardenvo
