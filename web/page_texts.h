// The program's own texts, as the web page shows them.
#pragma once

#include <emscripten/val.h>

namespace krv1::web {

emscripten::val PageTexts();

}  // namespace krv1::web
