#pragma once
// The message that reports a submission.
#include <string>

#include "Score.h"

namespace practice {

// UTF-8; line breaks are LF CR, as every multi-line message of the practice window.
std::string ResultText(const Score& score);

}  // namespace practice
