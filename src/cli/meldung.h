#pragma once
// Pieces of the command line's German messages.

#include <string>
#include <string_view>

namespace lst::cli {

// A field or argument quoted for a message: at most 60 characters (cut at a
// character boundary, "…" marks the cut), every byte that is not part of
// valid UTF-8 replaced by "�", control characters by "?".
std::string Zitat(std::string_view text);

}  // namespace lst::cli
