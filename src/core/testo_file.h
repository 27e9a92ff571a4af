#pragma once
// The edge between files and program text: encodings, lines, values, numbers and times, and
// reading and writing whole files.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/errori_file.h"

namespace ardenvo {

// File bytes to UTF-8. A file that starts with the UTF-8 byte-order mark, or is valid UTF-8
// throughout, is UTF-8 (the mark is dropped, broken sequences after a mark become U+FFFD);
// any other file is Windows-1252.
std::string DecodificaTesto(std::string_view byte);

// UTF-8 to the bytes of a saved file: Windows-1252 when every character has a place there and
// those bytes decode back to the same text, otherwise UTF-8 behind a byte-order mark. Bytes
// such as "\xD2\x96" are valid UTF-8 too, and would come back as another character.
std::string CodificaTesto(std::string_view testo);

// Lines of a text. A line ends at CR LF, at a lone CR or at a lone LF; the end of the text
// after a line end opens no further line, so "" has no line and "a\r\n" one.
std::vector<std::string_view> DividiRighe(std::string_view testo);

// Pieces of a text between the separators; "" gives one empty piece.
std::vector<std::string_view> Dividi(std::string_view testo, std::string_view separatore);

// Everything after the first "= " of a line, or nothing when the line has no "= ".
std::optional<std::string_view> ValoreRiga(std::string_view riga);

// The text without the blanks (space or tab) before and after it.
std::string_view Rifila(std::string_view testo);

// A whole number: blanks (space or tab) allowed before and after, an optional "+" or "-",
// then decimal digits and nothing else. "8,30", "7.5", "" and "0x10" are no numbers.
// Values too long for a long saturate, so that the caller still sees them out of range.
std::optional<long> LeggiNumeroIntero(std::string_view testo);

// Bytes of the UTF-8 character that starts at `pos`; a byte that opens no valid sequence is
// a character of its own.
std::size_t LunghezzaCarattere(std::string_view testo, std::size_t pos);

// A text for a message, in quotes and cut short when long.
std::string Citazione(std::string_view testo);

// The last part of a path: messages name a file by it, as the operator knows it.
std::string NomeFile(std::string_view percorso);

// The whole content of a regular file (or of the one a link leads to), or why it could not be
// read. Pipes, sockets and devices are refused without waiting on them.
Esito<std::string> LeggiFile(const std::string& percorso);

// Writes the bytes to a temporary file beside the target and renames it over the target only
// once it is complete, so a failed save leaves the old file as it was, with its rights. A link
// stays in place: the file it leads to is the one replaced. A file the operator may not write,
// or that is no regular file, is refused.
std::optional<ErroreFile> ScriviFileAtomico(const std::string& percorso, std::string_view byte);

}  // namespace ardenvo
