#pragma once

namespace bitloom::core {

// The answer of a Yes/No question box; Yes has the value 6, as callers rely on.
enum class Answer { Yes = 6, No = 7 };

} // namespace bitloom::core
