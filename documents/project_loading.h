// A project file read from disk, checked and decoded in one step, for the
// windows and the command line alike.
#pragma once

#include <QString>
#include <variant>

#include "presentation/project_file.h"

namespace krv1::documents {

// The project in the file at `path`, or the Thai message that refuses it.
std::variant<presentation::Project, QString> LoadProjectFile(const QString& path);

}  // namespace krv1::documents
