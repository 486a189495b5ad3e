// The site's own materials: the cement's kind and the gravities, absorptions
// and moisture measured for the site, each box empty for the method's value.
// It tells the main window of every edit; the main window keeps the
// materials with the design and has it calculated again.
#pragma once

#include <functional>
#include <optional>

#include "platform/form_window.h"
#include "presentation/site_materials.h"

namespace krv1::forms {

class MaterialsWindow : public platform::FormWindow {
    Q_OBJECT
public:
    using MaterialsSink = std::function<void(const presentation::MaterialTexts&)>;

    MaterialsWindow();

    // Puts a design's materials in the list and the boxes; a refusal shown
    // for another design goes.
    void fill(const presentation::MaterialTexts& materials);
    // The box the design's calculation refuses, flagged and named; none
    // clears the flag and the message.
    void showRefusal(const std::optional<presentation::MaterialsRefusal>& refusal);
    // The refused box takes the focus, for the engineer to mend it.
    void focusBox(presentation::MaterialBox box);
    void setMaterialsSink(MaterialsSink sink) { materialsSink_ = std::move(sink); }

    const presentation::MaterialTexts& materials() const { return materials_; }

protected:
    void fillOnLoad() override;
    QWidget* firstFocus() const override;

private:
    void edited();
    void showNote();

    presentation::MaterialTexts materials_;
    MaterialsSink materialsSink_;
};

}  // namespace krv1::forms
