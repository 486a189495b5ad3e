#include "program.h"

namespace krv1::forms {

void Program::start() {
    form1_.load();
    form1_.showForm();
}

}  // namespace krv1::forms
