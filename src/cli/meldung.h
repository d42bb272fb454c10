#pragma once
// Pieces of the command line's German messages.

#include <string>
#include <string_view>

namespace lst::cli {

// A field or argument quoted for a message: at most 60 characters (cut at a
// character boundary, "…" marks the cut), every byte that is not part of
// valid UTF-8 replaced by "�", control characters by "?".
std::string Zitat(std::string_view text);

// A file name quoted for a message, whole and unchanged where it can be
// shown: a control character is written as an escape ("\n", "\t",
// "\x1b"), as is every byte that is not part of valid UTF-8 and a
// backslash ("\\"), so that the name can be told exactly from the message.
std::string DateiZitat(std::string_view name);

// Whether the text is valid UTF-8 (no overlong forms, no surrogates).
bool GueltigesUtf8(std::string_view text);

}  // namespace lst::cli
