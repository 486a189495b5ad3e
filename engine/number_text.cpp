#include "number_text.h"

namespace krv1 {

std::string IntegerText(int16_t value) { return std::to_string(value); }

}  // namespace krv1
