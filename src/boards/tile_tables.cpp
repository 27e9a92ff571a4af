#include "boards/tile_tables.h"

#include "core/codici.h"
#include "core/model.h"

namespace ardenvo {
namespace {

constexpr std::array<std::string_view, 30> kLettere = {
    TesseraVuota, "a.bmp", "b.bmp",     "c.bmp",        "d.bmp",     "e.bmp",
    "f.bmp",      "g.bmp", "h.bmp",     "i.bmp",        "j.bmp",     "l.bmp",
    "m.bmp",      "n.bmp", "o.bmp",     "p.bmp",        "q.bmp",     "r.bmp",
    "s.bmp",      "t.bmp", "u.bmp",     "v.bmp",        "w.bmp",     "x.bmp",
    "y.bmp",      "z.bmp", "punto.bmp", "trattino.bmp", "apice.bmp", "asterisco.bmp"};

// The last entry of each of these two is known to the central boards only.
constexpr std::array<std::string_view, 12> kCategorie = {
    "catvuoto.bmp",  "interregio.bmp", "regionale.bmp",  "diretto.bmp",
    "espresso.bmp",  "intercity.bmp",  "eurocity.bmp",   "eurostar.bmp",
    "cisalpino.bmp", "eurocityn.bmp",  "intercityn.bmp", "buscat.bmp"};

constexpr std::array<std::string_view, 11> kIndicazioni = {
    "indicazioni.bmp",    "soppresso.bmp", "obbligatoria.bmp", "facoltativa.bmp",
    "seconda.bmp",        "prima.bmp",     "primaseconda.bmp", "primasecondac.bmp",
    "primasecondalc.bmp", "secondac.bmp",  "esterno.bmp"};

constexpr std::array<std::string_view, 10> kCifre = {"0.bmp", "1.bmp", "2.bmp", "3.bmp", "4.bmp",
                                                     "5.bmp", "6.bmp", "7.bmp", "8.bmp", "9.bmp"};

constexpr std::array<std::string_view, 10> kCifreProvvisorie = {
    "0p.bmp", "1p.bmp", "2p.bmp", "3p.bmp", "4p.bmp",
    "5p.bmp", "6p.bmp", "7p.bmp", "8p.bmp", "9p.bmp"};

constexpr std::array<std::string_view, 10> kCifreOrologio = {
    "0.jpg", "1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg", "6.jpg", "7.jpg", "8.jpg", "9.jpg"};

constexpr std::array<std::string_view, 3> kParoleOre = {"1ora.bmp", "2ore.bmp", "3ore.bmp"};

// Entry `codice` of the first `voci` entries of `tabella`.
template <std::size_t N>
FileTessera Voce(const std::array<std::string_view, N>& tabella, int codice, int voci = N) {
    if (codice < 0 || codice >= voci) return std::nullopt;
    return tabella[static_cast<std::size_t>(codice)];
}

}  // namespace

FileTessera FileLettera(int codice) {
    return Voce(kLettere, codice);
}
FileTessera FileCategoria(int codice) {
    return Voce(kCategorie, codice, kCategorie.size() - 1);
}
FileTessera FileIndicazioni(int codice) {
    return Voce(kIndicazioni, codice, kIndicazioni.size() - 1);
}
FileTessera FileCategoriaQuadro(int codice) {
    return Voce(kCategorie, codice);
}
FileTessera FileIndicazioniQuadro(int codice) {
    return Voce(kIndicazioni, codice);
}

std::array<FileTessera, 3> FileRitardo(int minuti) {
    if (!PosizioneRitardo(minuti)) return {};
    if (minuti == 0) return {TesseraVuota, TesseraVuota, TesseraVuota};
    if (minuti < 60) {
        const FileTessera decine = minuti < 10 ? TesseraVuota : kCifre[minuti / 10];
        return {decine, kCifre[minuti % 10], TesseraVuota};
    }
    const int ore = minuti / 60;  // 1..3; the list's steps of ten keep the rest below 60
    return {kCifre[(minuti - 60 * ore) / 10], kCifre[0], kParoleOre[ore - 1]};
}

std::array<FileTessera, 2> FileOra(int ora) {
    if (ora == 24) return {TesseraVuota, TesseraVuota};
    if (ora < 0 || ora > 24) return {};
    return {kCifre[ora % 10], ora < 10 ? TesseraVuota : kCifre[ora / 10]};
}

std::array<FileTessera, 2> FileMinuto(int minuto) {
    if (minuto == 60) return {TesseraVuota, TesseraVuota};
    if (minuto < 0 || minuto > 60) return {};
    return {kCifre[minuto % 10], kCifre[minuto / 10]};
}

std::array<FileTessera, 2> FileOraQuadro(int ora) {
    if (ora >= 0 && ora < 10) return {kCifre[ora], kCifre[0]};
    return FileOra(ora);
}

std::array<FileTessera, 2> FileBinarioQuadro(int codice) {
    if (codice < 0 || codice > 2 * kBinari) return {};
    if (codice == 0) return {TesseraVuota, TesseraVuota};
    const bool provvisorio = codice > kBinari;
    const int binario = provvisorio ? codice - kBinari : codice;
    const auto& cifre = provvisorio ? kCifreProvvisorie : kCifre;
    return {cifre[binario % 10], binario < 10 ? TesseraVuota : cifre[binario / 10]};
}

std::optional<std::array<std::string_view, 2>> FileCifreOrologio(int valore, int limite) {
    if (valore < 0 || valore >= limite || limite > 100) return std::nullopt;
    return std::array<std::string_view, 2>{kCifreOrologio[valore % 10],
                                           kCifreOrologio[valore / 10]};
}

}  // namespace ardenvo
