// Why a number could not be taken from a text or stored in a 16-bit cell.
#pragma once

#include <stdexcept>

namespace krv1 {

enum class ConversionFailure { NotNumeric, Overflow };

class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(ConversionFailure failure)
        : std::runtime_error(failure == ConversionFailure::NotNumeric ? "not numeric" : "overflow"),
          failure_(failure) {}
    ConversionFailure failure() const noexcept { return failure_; }

private:
    ConversionFailure failure_;
};

}  // namespace krv1
