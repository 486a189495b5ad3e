// The main window's project: a project of many designs kept beside the
// design in the boxes, shown in the project window, its elements edited in
// the main window one at a time.
#include <QFileInfo>
#include <QMenu>
#include <algorithm>

#include "documents/file_writing.h"
#include "documents/page_printing.h"
#include "documents/project_loading.h"
#include "documents/workbook_writing.h"
#include "main_window.h"
#include "main_window_layout.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/utf8_text.h"
#include "presentation/project_workbook.h"
#include "system_number_locale.h"
#include "text/design_file_texts.h"
#include "text/project_texts.h"

namespace krv1::forms {

using platform::FromUtf8;
namespace t = text::project;
namespace m = main_controls;

void MainWindow::addProjectCommands(QMenu* file) {
    file->addAction(FromUtf8(t::kNewProject), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N), this,
                    [this] { newProject(); });
    file->addAction(FromUtf8(t::kOpenProject), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_O), this,
                    [this] { openProject(); });
    file->addAction(FromUtf8(t::kSaveProject), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S), this,
                    [this] { saveProject(); });
    file->addAction(FromUtf8(t::kSaveProjectAs),
                    QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_S), this,
                    [this] { saveProjectAs(); });
    file->addAction(FromUtf8(t::kExportWorkbook), QKeySequence(Qt::CTRL | Qt::Key_E), this,
                    [this] { exportProjectWorkbook(); });
}

void MainWindow::newProject() {
    if (!mayLeaveProject(t::kSaveBeforeNewQuestion)) return;
    presentation::Project project;
    project.Locale = SystemNumberLocale();
    project.Engineer = control<platform::FormTextBox>(m::kEngineerBox)->text().toStdString();
    project_.startUntitled(project);
    stopEditingElement();
    showProject();
}

bool MainWindow::openProject() {
    if (!mayLeaveProject(t::kSaveBeforeOpenQuestion)) return false;
    const QString path = platform::ChooseFileToOpen(this, FromUtf8(t::kProjectFilter));
    return !path.isEmpty() && openProjectFile(path);
}

bool MainWindow::openProjectFile(const QString& path) {
    const auto loaded = documents::LoadProjectFile(path);
    if (const QString* refusal = std::get_if<QString>(&loaded)) {
        platform::ShowMessage(this, *refusal);
        return false;
    }
    project_.setProject(std::get<presentation::Project>(loaded));
    project_.keepAsSaved(QFileInfo(path).absoluteFilePath().toStdString());
    stopEditingElement();
    showProject();
    return true;
}

bool MainWindow::saveProject() {
    if (project_.untitled()) return saveProjectAs();
    return writeProjectTo(FromUtf8(project_.path()));
}

bool MainWindow::saveProjectAs() {
    const QString proposed =
        project_.untitled() ? QStringLiteral("KRV1.krv1proj") : FromUtf8(project_.path());
    const QString path = platform::ChooseFileToSave(this, FromUtf8(t::kProjectFilter), proposed);
    return !path.isEmpty() && writeProjectTo(path);
}

bool MainWindow::writeProjectTo(const QString& path) {
    if (const auto failure = documents::WriteWholeFile(
            path, QByteArray::fromStdString(presentation::WriteProject(project_.project())))) {
        platform::ShowMessage(this, *failure);
        return false;
    }
    project_.keepAsSaved(QFileInfo(path).absoluteFilePath().toStdString());
    updateTitle();
    return true;
}

bool MainWindow::exportProjectWorkbook() {
    const presentation::Project& project = project_.project();
    const presentation::ProjectResult result =
        presentation::EvaluateProject(project, documents::PrintingDay());
    if (const auto* refusal = std::get_if<presentation::ProjectSettingRefusal>(&result)) {
        platform::ShowMessage(this, FromUtf8(refusal->Message));
        return false;
    }
    const QString proposed =
        project_.untitled()
            ? QStringLiteral("KRV1.xlsx")
            : QFileInfo(FromUtf8(project_.path())).completeBaseName() + QStringLiteral(".xlsx");
    const QString path = platform::ChooseFileToSave(this, FromUtf8(t::kWorkbookFilter), proposed);
    if (path.isEmpty()) return false;
    if (const auto failure = documents::WriteWorkbook(
            path, presentation::ProjectWorkbook(project,
                                                std::get<presentation::ProjectEvaluation>(result),
                                                documents::PrintingDay()))) {
        platform::ShowMessage(this, *failure);
        return false;
    }
    return true;
}

void MainWindow::showProject() {
    ProjectWindow& window = windows_.project.show();
    window.setProjectSink([this](const presentation::Project& edited) { projectEdited(edited); });
    window.setAdder([this] { addDesignToProject(); });
    window.setOpener([this](std::size_t element) { openElement(element); });
    window.fill(project_.project());
    followInProject();
}

void MainWindow::followInProject() {
    ProjectWindow* window = windows_.project.existing();
    if (!window) return;
    const presentation::Project& project = project_.project();
    window->show(project, presentation::ShowProject(project, documents::PrintingDay()),
                 project.Locale);
}

void MainWindow::projectEdited(const presentation::Project& project) {
    // The element in the main window is followed where the list moves it:
    // renamed or supplied otherwise it keeps its place and its design; moved
    // it is found whole elsewhere; removed, the boxes edit nothing of it.
    if (editingElement_) {
        const auto& before = project_.project().Elements;
        const std::size_t at = *editingElement_;
        const bool kept = at < project.Elements.size() &&
                          project.Elements[at].Design == before[at].Design &&
                          project.Elements.size() == before.size();
        if (!kept) {
            const auto found =
                std::find(project.Elements.begin(), project.Elements.end(), before[at]);
            if (found == project.Elements.end()) {
                stopEditingElement();
            } else {
                editingElement_ = std::size_t(found - project.Elements.begin());
            }
        }
    }
    project_.setProject(project);
    followInProject();
    updateTitle();
}

void MainWindow::addDesignToProject() {
    presentation::Project project = project_.project();
    if (project.Elements.size() >= presentation::kMostElements) {
        platform::ShowMessage(this, FromUtf8(t::kTooManyElements));
        return;
    }
    const presentation::Design design = designInBoxes();
    // Named after its file, else numbered.
    std::string name =
        document_.untitled()
            ? std::string(t::kNewElement) + std::to_string(project.Elements.size() + 1)
            : QFileInfo(designPath()).completeBaseName().toStdString();
    if (!presentation::HarmlessEngineerName(name))
        name = std::string(t::kNewElement) + std::to_string(project.Elements.size() + 1);
    project.Elements.push_back({name, presentation::Supply::Site, design});
    project_.setProject(project);
    if (ProjectWindow* window = windows_.project.existing()) {
        window->fill(project);
        followInProject();
        window->choose(project.Elements.size() - 1);
    }
}

void MainWindow::openElement(std::size_t element) {
    if (element >= project_.project().Elements.size()) return;
    if (!mayLeaveDesign(text::design_file::kSaveBeforeOpenQuestion)) return;
    startNewDesign();
    const presentation::Design design = project_.project().Elements[element].Design;
    fillBoxes(design);
    document_.startUntitled(design);
    editingElement_ = element;
    updateTitle();
    calculate();
    activateWindow();
    raise();
}

void MainWindow::stopEditingElement() {
    if (!editingElement_) return;
    editingElement_.reset();
    updateTitle();
}

void MainWindow::writeBackElement(const presentation::Design& design) {
    if (!editingElement_) return;
    presentation::Project project = project_.project();
    if (*editingElement_ >= project.Elements.size()) return;
    presentation::Design& element = project.Elements[*editingElement_].Design;
    if (element == design) return;
    element = design;
    project_.setProject(project);
    followInProject();
}

bool MainWindow::mayLeaveProject(std::string_view question) {
    if (!project_.changed()) return true;
    switch (platform::AskToSave(this, FromUtf8(question))) {
        case platform::SaveAnswer::Save:
            return saveProject();
        case platform::SaveAnswer::DontSave:
            return true;
        case platform::SaveAnswer::Cancel:
            return false;
    }
    return false;
}

}  // namespace krv1::forms
