#include "program.h"

namespace krv1::forms {

void Program::start() {
    mainWindow_.load();
    mainWindow_.showForm();
}

}  // namespace krv1::forms
