#pragma once

#include <optional>
#include <string>
#include <string_view>

// The small calculator that pops up from the converter's entry boxes, and the
// way those boxes show their value.
namespace tvx::converter {

// A four-function pocket calculator: operations chain from left to right as on
// a desk calculator (2 + 3 x 4 = 20), "=" completes the pending operation, and
// a division by zero or an overflow shows "Error" until the next digit or C.
class PocketCalculator {
public:
    enum class Operation { None, Add, Subtract, Multiply, Divide };

    // Typed digits are limited to this many, the precision of a double.
    static constexpr int MaxDigits = 15;

    explicit PocketCalculator(std::string decimalSeparator = ".");

    // Starts over showing value (what the entry box held); a value that is
    // not finite starts at 0.
    void setValue(double value);

    void digit(int d);           // 0..9; anything else is ignored
    void point();                // the decimal separator
    void operation(Operation op);
    void equals();
    void clear();                // C: everything back to 0
    void backspace();            // removes the last typed character

    // The text of the display, with the decimal separator given at
    // construction; "Error" after a failed operation.
    std::string display() const;
    // The value shown; nullopt in the error state.
    std::optional<double> value() const;
    bool hasError() const { return error_; }
    Operation pending() const { return pending_; }

private:
    double current() const;
    void fail();

    std::string separator_;
    std::string typed_;          // digits and "." while a number is being typed
    bool typing_ = false;
    double shown_ = 0.0;         // the value shown while not typing
    double accumulator_ = 0.0;
    Operation pending_ = Operation::None;
    bool error_ = false;
};

// The text an entry box shows for `text` with at least `digits` decimals:
// missing decimals are padded with zeros and surplus trailing zeros dropped,
// but a typed digit is never removed, so the value never changes. Text that is
// not a plain decimal number in the given separator is returned unchanged.
std::string entryTextWithDecimals(std::string_view text, int digits, std::string_view decimalSeparator = ".");

} // namespace tvx::converter
