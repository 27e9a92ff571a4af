#include "core/testo_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <random>

namespace ardenvo {
namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves free stand for the C1
// controls of the same value, so every byte decodes and encodes back unchanged.
constexpr std::array<char32_t, 32> kWindows1252Alto = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::size_t kMassimoFile = 64u << 20;  // far beyond any timetable; refuses a stray video

void AggiungiUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

struct Carattere {
    char32_t codice;
    std::size_t lunghezza;  // 0 for a broken sequence
};

// One character of UTF-8 at `pos`: overlong forms, surrogates and values above U+10FFFF are
// broken sequences.
Carattere CarattereUtf8(std::string_view s, std::size_t pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) return {b0, 1};
    std::size_t n;
    char32_t c;
    char32_t minimo;
    if ((b0 & 0xE0) == 0xC0) {
        n = 2, c = b0 & 0x1F, minimo = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3, c = b0 & 0x0F, minimo = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4, c = b0 & 0x07, minimo = 0x10000;
    } else {
        return {0, 0};
    }
    if (pos + n > s.size()) return {0, 0};
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) return {0, 0};
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {0, 0};
    return {c, n};
}

bool Utf8Valido(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const Carattere c = CarattereUtf8(s, i);
        if (c.lunghezza == 0) return false;
        i += c.lunghezza;
    }
    return true;
}

std::string RiparaUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const Carattere c = CarattereUtf8(s, i);
        if (c.lunghezza == 0) {
            AggiungiUtf8(out, 0xFFFD);
            ++i;
        } else {
            out.append(s.substr(i, c.lunghezza));
            i += c.lunghezza;
        }
    }
    return out;
}

std::optional<char> ByteWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kWindows1252Alto.size(); ++i)
        if (kWindows1252Alto[i] == c) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

ErroreFile ErroreDiSistema(int numero, const std::string& percorso, bool scrittura) {
    const std::string nome = Citazione(NomeFile(percorso));
    switch (numero) {
        case ENOENT:
        case ENOTDIR:
            if (scrittura)
                return {CodiceErrore::PercorsoNonTrovato, "Cartella non trovata per " + nome};
            return {CodiceErrore::FileNonTrovato, "File non trovato: " + nome};
        case EACCES:
        case EPERM:
        case EROFS:
            return {CodiceErrore::AccessoNegato, "Accesso negato: " + nome};
        case ENOSPC:
        case EDQUOT:
            return {CodiceErrore::DiscoPieno, "Disco pieno durante il salvataggio di " + nome};
        case EISDIR:
            return {CodiceErrore::ErroreAccesso, "Il percorso è una cartella: " + nome};
        default:
            return {
                CodiceErrore::ErroreAccesso,
                std::string(scrittura ? "Impossibile scrivere " : "Impossibile leggere ") + nome};
    }
}

ErroreFile NonUnFile(const std::string& percorso) {
    return {CodiceErrore::ErroreAccesso,
            "Il percorso non è un file ordinario: " + Citazione(NomeFile(percorso))};
}

struct ChiudiFile {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, ChiudiFile>;

class Descrittore {
  public:
    explicit Descrittore(int fd) : fd_(fd) {}
    Descrittore(const Descrittore&) = delete;
    Descrittore& operator=(const Descrittore&) = delete;
    ~Descrittore() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

std::string DecodificaTesto(std::string_view byte) {
    if (byte.starts_with(kBom)) return RiparaUtf8(byte.substr(kBom.size()));
    if (Utf8Valido(byte)) return std::string(byte);
    std::string out;
    out.reserve(byte.size() + byte.size() / 8);
    for (char ch : byte) {
        const auto b = static_cast<unsigned char>(ch);
        AggiungiUtf8(out, b >= 0x80 && b < 0xA0 ? kWindows1252Alto[b - 0x80] : char32_t{b});
    }
    return out;
}

std::string CodificaTesto(std::string_view testo) {
    const auto utf8 = [&] { return std::string(kBom) + RiparaUtf8(testo); };
    std::string out;
    out.reserve(testo.size());
    for (std::size_t i = 0; i < testo.size();) {
        const Carattere c = CarattereUtf8(testo, i);
        const std::optional<char> b = c.lunghezza ? ByteWindows1252(c.codice) : std::nullopt;
        if (!b) return utf8();
        out += *b;
        i += c.lunghezza;
    }
    // Windows-1252 bytes that also read as UTF-8, or that begin like the mark, would come back
    // as other characters.
    if (DecodificaTesto(out) != testo) return utf8();
    return out;
}

std::vector<std::string_view> DividiRighe(std::string_view testo) {
    std::vector<std::string_view> righe;
    std::size_t inizio = 0;
    for (std::size_t i = 0; i < testo.size(); ++i) {
        if (testo[i] != '\r' && testo[i] != '\n') continue;
        righe.push_back(testo.substr(inizio, i - inizio));
        if (testo[i] == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') ++i;
        inizio = i + 1;
    }
    if (inizio < testo.size()) righe.push_back(testo.substr(inizio));
    return righe;
}

std::vector<std::string_view> Dividi(std::string_view testo, std::string_view separatore) {
    std::vector<std::string_view> pezzi;
    std::size_t inizio = 0;
    for (std::size_t at; (at = testo.find(separatore, inizio)) != std::string_view::npos;) {
        pezzi.push_back(testo.substr(inizio, at - inizio));
        inizio = at + separatore.size();
    }
    pezzi.push_back(testo.substr(inizio));
    return pezzi;
}

std::optional<std::string_view> ValoreRiga(std::string_view riga) {
    const std::size_t at = riga.find("= ");
    if (at == std::string_view::npos) return std::nullopt;
    return riga.substr(at + 2);
}

std::string_view Rifila(std::string_view testo) {
    const std::size_t inizio = testo.find_first_not_of(" \t");
    if (inizio == std::string_view::npos) return {};
    return testo.substr(inizio, testo.find_last_not_of(" \t") - inizio + 1);
}

std::optional<long> LeggiNumeroIntero(std::string_view testo) {
    testo = Rifila(testo);
    bool negativo = false;
    if (!testo.empty() && (testo.front() == '+' || testo.front() == '-')) {
        negativo = testo.front() == '-';
        testo.remove_prefix(1);
    }
    if (testo.empty()) return std::nullopt;
    constexpr long kTetto = std::numeric_limits<long>::max() / 10;
    long valore = 0;
    for (char c : testo) {
        if (c < '0' || c > '9') return std::nullopt;
        valore = valore >= kTetto ? kTetto : valore * 10 + (c - '0');
    }
    return negativo ? -valore : valore;
}

std::size_t LunghezzaCarattere(std::string_view testo, std::size_t pos) {
    const Carattere c = CarattereUtf8(testo, pos);
    return c.lunghezza ? c.lunghezza : 1;
}

std::string Citazione(std::string_view testo) {
    constexpr std::size_t kMassimo = 60;  // characters, so a message box stays readable
    std::size_t pos = 0;
    std::size_t caratteri = 0;
    while (pos < testo.size() && caratteri < kMassimo) {
        pos += LunghezzaCarattere(testo, pos);
        ++caratteri;
    }
    std::string out(1, '"');
    out.append(testo.substr(0, pos)).append(pos < testo.size() ? "…\"" : "\"");
    return out;
}

std::string NomeFile(std::string_view percorso) {
    std::string nome = std::filesystem::path(percorso).filename().string();
    return nome.empty() ? std::string(percorso) : nome;
}

Esito<std::string> LeggiFile(const std::string& percorso) {
    // A look before the open, so that no device is opened; the open does not wait on a pipe,
    // and a look after it catches a file swapped in between.
    struct stat info {};
    if (::stat(percorso.c_str(), &info) != 0) return ErroreDiSistema(errno, percorso, false);
    if (S_ISDIR(info.st_mode)) return ErroreDiSistema(EISDIR, percorso, false);
    if (!S_ISREG(info.st_mode)) return NonUnFile(percorso);
    const Descrittore fd(::open(percorso.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) return ErroreDiSistema(errno, percorso, false);
    if (::fstat(fd.get(), &info) != 0) return ErroreDiSistema(errno, percorso, false);
    if (!S_ISREG(info.st_mode)) return NonUnFile(percorso);

    const ErroreFile troppo_grande{
        CodiceErrore::ErroreAccesso,
        "File troppo grande per un orario: " + Citazione(NomeFile(percorso))};
    if (static_cast<std::uintmax_t>(info.st_size) > kMassimoFile) return troppo_grande;
    std::string contenuto;
    contenuto.reserve(static_cast<std::size_t>(info.st_size));
    std::array<char, 65536> blocco;
    while (true) {
        const ssize_t letti = ::read(fd.get(), blocco.data(), blocco.size());
        if (letti < 0 && errno == EINTR) continue;
        if (letti < 0) return ErroreDiSistema(errno, percorso, false);
        if (letti == 0) break;
        contenuto.append(blocco.data(), static_cast<std::size_t>(letti));
        if (contenuto.size() > kMassimoFile) return troppo_grande;  // grew while being read
    }
    return contenuto;
}

std::optional<ErroreFile> ScriviFileAtomico(const std::string& percorso, std::string_view byte) {
    namespace fs = std::filesystem;
    static std::mt19937 generatore{std::random_device{}()};
    std::error_code ec;

    // The rename replaces the file a link leads to, in that file's own folder.
    fs::path destinazione(percorso);
    for (int salti = 0; fs::is_symlink(fs::symlink_status(destinazione, ec)); ++salti) {
        const fs::path meta = fs::read_symlink(destinazione, ec);
        if (ec || salti == 40) return ErroreDiSistema(ec ? ec.value() : ELOOP, percorso, true);
        destinazione = destinazione.parent_path() / meta;
    }

    // The rename needs only the folder's rights: the file's own are checked here. A file with
    // no write right for anyone is read-only to every operator, the administrator included.
    const fs::file_status vecchio = fs::status(destinazione, ec);
    const bool esiste = fs::exists(vecchio);
    if (esiste && fs::is_directory(vecchio)) return ErroreDiSistema(EISDIR, percorso, true);
    if (esiste && !fs::is_regular_file(vecchio)) return NonUnFile(percorso);
    if (esiste && ((vecchio.permissions() & (fs::perms::owner_write | fs::perms::group_write |
                                             fs::perms::others_write)) == fs::perms::none))
        return ErroreDiSistema(EACCES, percorso, true);
    if (esiste && ::faccessat(AT_FDCWD, destinazione.c_str(), W_OK, AT_EACCESS) != 0)
        return ErroreDiSistema(errno, percorso, true);

    File f;
    fs::path temporaneo;
    for (int tentativo = 0; !f && tentativo < 100; ++tentativo) {
        temporaneo = destinazione;
        std::string nome(1, '.');
        nome.append(destinazione.filename().string()).append(".tmp");
        temporaneo.replace_filename(nome + std::to_string(generatore() % 1000000));
        errno = 0;
        f.reset(std::fopen(temporaneo.c_str(), "wbx"));
        if (!f && errno != EEXIST) return ErroreDiSistema(errno, percorso, true);
    }
    if (!f) return ErroreDiSistema(EEXIST, percorso, true);

    const auto fallisci = [&](int numero) {
        f.reset();
        std::error_code ignorato;
        fs::remove(temporaneo, ignorato);
        return ErroreDiSistema(numero, percorso, true);
    };
    errno = 0;
    if (std::fwrite(byte.data(), 1, byte.size(), f.get()) != byte.size() ||
        std::fflush(f.get()) != 0 || ::fsync(::fileno(f.get())) != 0)
        return fallisci(errno);
    if (std::fclose(f.release()) != 0) return fallisci(errno);

    if (esiste) fs::permissions(temporaneo, vecchio.permissions(), ec);  // keep the old rights
    fs::rename(temporaneo, destinazione, ec);
    if (ec) return fallisci(ec.value());
    return std::nullopt;
}

}  // namespace ardenvo
