// The design an engineer has open: what it holds, the file it came from or
// was last saved to, and whether leaving it would lose work. The main
// window keeps one; a project keeps a list of them.
#pragma once

#include <string>

#include "design_file.h"

namespace krv1::presentation {

class DesignDocument {
public:
    // An untitled design as it starts: nothing of it is unsaved yet.
    explicit DesignDocument(Design design = {});

    const Design& design() const { return design_; }
    void setDesign(Design design) { design_ = std::move(design); }
    void setSite(const SiteSettings& site) { design_.Site = site; }
    void setTrial(const TrialInputs& trial) { design_.Trial = trial; }
    void setRecords(const StrengthRecords& records) { design_.Records = records; }
    void setMaterials(const MaterialTexts& materials) { design_.Materials = materials; }

    // The file, UTF-8; empty for an untitled design.
    const std::string& path() const { return path_; }
    bool untitled() const { return path_.empty(); }

    // The design as read from `path`, or as just written to it.
    void keepAsSaved(std::string path);
    // A new untitled design, or one taken from elsewhere than a file.
    void startUntitled(Design design);

    // Whether the design differs from the file it was opened from or saved to.
    bool changed() const { return design_ != saved_; }
    // What leaving would lose: a file's changes, or the trial boxes, strength
    // records and materials of an untitled design, which exist nowhere else.
    // The main boxes of an untitled design are kept by the program itself.
    bool holdsUnsavedWork() const;

private:
    Design design_;
    Design saved_;
    std::string path_;
};

}  // namespace krv1::presentation
