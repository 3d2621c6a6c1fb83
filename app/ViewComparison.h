#pragma once
// The typed text compared with the article as the article view holds it, each mark at the
// position of its character in the view.
#include <string_view>

#include "ComCtrls.h"
#include "Comparison.h"

namespace practice {

Comparison CompareWithView(tk::TRichEdit& view, std::string_view typed);

}  // namespace practice
