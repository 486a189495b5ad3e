// A project of many designs: its name, engineer and settings, its elements
// as a list the engineer names, orders and supplies, and the comparison and
// the orders they give. It tells the main window of every edit; the main
// window keeps the project and has it worked out.
#pragma once

#include <functional>
#include <optional>

#include "platform/form_window.h"
#include "presentation/project_evaluation.h"

namespace krv1::forms {

class ElementTable;
class ComparisonTable;

class ProjectWindow : public platform::FormWindow {
    Q_OBJECT
public:
    using ProjectSink = std::function<void(const presentation::Project&)>;
    using ElementAction = std::function<void(std::size_t element)>;

    ProjectWindow();

    // Puts a project's name, engineer and settings in the boxes.
    void fill(const presentation::Project& project);
    // Shows the project as worked out: the list, the comparison, the orders,
    // and a refused setting flagged and named. `project` is what the main
    // window keeps, its elements' designs as last calculated; the boxes stay
    // as typed.
    void show(const presentation::Project& project, const presentation::ProjectShown& shown,
              const NumberLocale& separators);

    // Told of every change the engineer makes here.
    void setProjectSink(ProjectSink sink) { projectSink_ = std::move(sink); }
    // "Add this design": the main window's design goes in.
    void setAdder(std::function<void()> add) { add_ = std::move(add); }
    // "Open in the main window": the chosen element is edited there.
    void setOpener(ElementAction open) { open_ = std::move(open); }

    const presentation::Project& project() const { return project_; }
    // The element chosen in the list, if any.
    std::optional<std::size_t> chosenElement() const;
    void choose(std::size_t element);

protected:
    void fillOnLoad() override;
    QWidget* firstFocus() const override;

private:
    void boxEdited();
    void edited();
    void move(int by);

    presentation::Project project_;
    ElementTable* elements_;
    ComparisonTable* comparison_;
    ProjectSink projectSink_;
    std::function<void()> add_;
    ElementAction open_;
};

}  // namespace krv1::forms
