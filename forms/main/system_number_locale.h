// The separators of the system locale, for the engine's number conversions.
#pragma once

#include "engine/number_locale.h"

namespace krv1::forms {

NumberLocale SystemNumberLocale();

}  // namespace krv1::forms
