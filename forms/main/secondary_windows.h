// The program's secondary windows, each at most once, shared by every window
// that shows them.
#pragma once

#include "forms/details/form3.h"
#include "forms/reference/form2.h"
#include "forms/reference/form4.h"
#include "platform/single_window.h"

namespace krv1::forms {

struct SecondaryWindows {
    platform::SingleWindow<Form2> conditions;
    platform::SingleWindow<Form4> about;
    platform::SingleWindow<Form3> details{[this] { return new Form3(conditions); }};

    SecondaryWindows() = default;
    SecondaryWindows(const SecondaryWindows&) = delete;
    SecondaryWindows& operator=(const SecondaryWindows&) = delete;

    // Closes every secondary window that exists.
    void closeAll();
};

}  // namespace krv1::forms
