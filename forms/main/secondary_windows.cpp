#include "secondary_windows.h"

namespace krv1::forms {

void SecondaryWindows::closeAll() {
    if (Form2* window = conditions.existing()) window->close();
    if (Form4* window = about.existing()) window->close();
    if (Form3* window = details.existing()) window->close();
}

}  // namespace krv1::forms
