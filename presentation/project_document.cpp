#include "project_document.h"

namespace krv1::presentation {

ProjectDocument::ProjectDocument(Project project) : project_(project), saved_(std::move(project)) {}

void ProjectDocument::keepAsSaved(std::string path) {
    saved_ = project_;
    path_ = std::move(path);
}

void ProjectDocument::startUntitled(Project project) {
    project_ = project;
    saved_ = std::move(project);
    path_.clear();
}

}  // namespace krv1::presentation
