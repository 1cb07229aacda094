#pragma once

namespace bitloom::core {

// The answer of a Yes/No question.
enum class Answer { Yes, No };

} // namespace bitloom::core
