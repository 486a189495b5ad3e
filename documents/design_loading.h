// A design file read from disk, checked and decoded in one step: the same
// reading for the windows and the command line.
#pragma once

#include <QString>
#include <variant>

#include "presentation/design_file.h"

namespace krv1::documents {

// The design in the file at `path`, or the Thai message that refuses it: a
// file that cannot be read, is too large, or is not a whole design.
std::variant<presentation::Design, QString> LoadDesignFile(const QString& path);

}  // namespace krv1::documents
