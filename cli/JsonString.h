// A JSON string literal for any bytes.
#pragma once

#include <string>
#include <string_view>

namespace bitloom::cli {

// The quoted, escaped literal. Handling files are not always UTF-8: a byte
// that does not start a valid UTF-8 sequence becomes U+FFFD, so that the
// output stays valid JSON.
std::string jsonString(std::string_view text);

} // namespace bitloom::cli
