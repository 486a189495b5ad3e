#include "design_document.h"

#include <algorithm>
#include <optional>

namespace krv1::presentation {
namespace {

bool Blank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

// A trial whose boxes are all empty is no trial; records with no test, no
// specified strength and the margin off are no records.
std::optional<TrialInputs> Meaningful(const std::optional<TrialInputs>& trial) {
    if (!trial || std::all_of(trial->begin(), trial->end(), Blank)) return std::nullopt;
    return trial;
}

std::optional<StrengthRecords> Meaningful(const std::optional<StrengthRecords>& records) {
    if (!records) return std::nullopt;
    const bool anyCell =
        std::any_of(records->Tests.begin(), records->Tests.end(),
                    [](const StrengthTest& test) { return test != StrengthTest{}; });
    if (!anyCell && Blank(records->Specified) && !records->UseMargin) return std::nullopt;
    return records;
}

}  // namespace

DesignDocument::DesignDocument(Design design) : design_(design), saved_(std::move(design)) {}

void DesignDocument::keepAsSaved(std::string path) {
    saved_ = design_;
    path_ = std::move(path);
}

void DesignDocument::startUntitled(Design design) {
    design_ = design;
    saved_ = std::move(design);
    path_.clear();
}

bool DesignDocument::holdsUnsavedWork() const {
    if (!untitled()) return changed();
    return Meaningful(design_.Trial) != Meaningful(saved_.Trial) ||
           Meaningful(design_.Records) != Meaningful(saved_.Records) ||
           design_.Materials != saved_.Materials;
}

}  // namespace krv1::presentation
