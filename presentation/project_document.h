// The project an engineer has open: what it holds, the file it came from or
// was last saved to, and whether leaving it would lose work.
#pragma once

#include <string>

#include "project_file.h"

namespace krv1::presentation {

class ProjectDocument {
public:
    explicit ProjectDocument(Project project = {});

    const Project& project() const { return project_; }
    void setProject(Project project) { project_ = std::move(project); }

    // The file, UTF-8; empty for an untitled project.
    const std::string& path() const { return path_; }
    bool untitled() const { return path_.empty(); }

    // The project as read from `path`, or as just written to it.
    void keepAsSaved(std::string path);
    // A new untitled project.
    void startUntitled(Project project);

    // Whether the project differs from its file, or an untitled one from
    // how it started: either is work that leaving would lose.
    bool changed() const { return project_ != saved_; }

private:
    Project project_;
    Project saved_;
    std::string path_;
};

}  // namespace krv1::presentation
