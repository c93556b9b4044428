// How text from the input appears in a message: escaped where it would hide
// or garble the line, cut to a readable length; and the Serbian number
// agreement of the messages' nouns.  No I/O: the texts are composed here and
// written by the callers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace geometrija {

// White space as scanf sees it in the C locale: the point file's and the
// dialogue's separators, and what a message trims from a name's ends.
bool isSpace(int c);

// Decodes the UTF-8 character that starts at text[i] into `cp` and gives its
// length, or 0 when the bytes there are no character (invalid UTF-8, an
// overlong form, a surrogate, past U+10FFFF) or start with an ASCII byte.
std::size_t decodeUtf8(const std::string& text, std::size_t i, char32_t& cp);

// Text from the input as it goes into a message: printable ASCII and visible
// UTF-8 letters as they are; control bytes, invalid UTF-8, characters that
// show as nothing, spaces other than U+0020, the quote and (but on Windows,
// where it separates folders) the backslash escaped as \xNN; cut after 40
// characters, a letter keeping its combining marks, with "...", so that a
// message stays one readable line.
std::string escaped(const std::string& text);

// The same between single quotes: how a refused word is named.
std::string quoted(const std::string& word);

// The text without white space at its ends: ASCII white space and the
// Unicode spaces (no-break, em...), which look the same.
std::string trimmed(const std::string& text);

// The Serbian noun form that goes with the number n: `one` for 1, 21, 31...,
// `few` for 2 to 4, 22 to 24... (not 12 to 14), `many` for the rest
// ("1 par", "2 para", "5 parova").
std::string plural(std::int64_t n, const std::string& one, const std::string& few,
                   const std::string& many);

}  // namespace geometrija
