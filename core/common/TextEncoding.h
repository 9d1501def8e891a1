// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8 and percent-encoding, read and written in one place: the reading
// file, the atlas and the place search's address all go through here.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// Reads the UTF-8 character at `pos` and moves past it. An ill-formed
// sequence (stray continuation, overlong form, surrogate, truncation, beyond
// U+10FFFF) yields nothing and moves one byte on, so the rest still reads.
std::optional<char32_t> NextCharacter(std::string_view text, std::size_t& pos);

// Appends a character as UTF-8.
void AppendUtf8(std::string& out, char32_t character);

// The UTF-16 code units of valid UTF-8 text (as a text box counts them), or
// nothing when the text is not valid UTF-8.
std::optional<std::size_t> Utf16Length(std::string_view text);

// At most `bytes` bytes of the text's start, never cut inside a character.
std::string_view CutAtCharacter(std::string_view text, std::size_t bytes);

// Every byte written as %XX except ASCII letters, digits, "-", ".", "_",
// "~" and the bytes of `alsoPlain`.
std::string PercentEncode(std::string_view bytes, std::string_view alsoPlain = {});

// The bytes a strictly percent-encoded text stands for (only the plain
// characters above and %XX), or nothing when it is not so encoded.
std::optional<std::string> PercentDecode(std::string_view text);

}  // namespace orvanta
