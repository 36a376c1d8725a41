#include "converter/PocketCalculator.h"

#include "common/NumberText.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

namespace tvx::converter {

PocketCalculator::PocketCalculator(std::string decimalSeparator) : separator_(std::move(decimalSeparator))
{
    if (separator_.empty())
        separator_ = ".";
}

void PocketCalculator::setValue(double value)
{
    clear();
    shown_ = std::isfinite(value) ? value : 0.0;
}

void PocketCalculator::clear()
{
    typed_.clear();
    typing_ = false;
    shown_ = 0.0;
    accumulator_ = 0.0;
    pending_ = Operation::None;
    error_ = false;
}

void PocketCalculator::fail()
{
    clear();
    error_ = true;
}

double PocketCalculator::current() const
{
    if (!typing_)
        return shown_;
    std::string digits = typed_;
    if (!digits.empty() && digits.back() == '.')
        digits.pop_back(); // "5." is 5
    return parseFloat(digits.empty() ? std::string("0") : digits).value_or(0.0);
}

void PocketCalculator::digit(int d)
{
    if (d < 0 || d > 9)
        return;
    if (error_)
        clear();
    if (!typing_) {
        typed_.clear();
        typing_ = true;
    }
    const auto digitCount = std::count_if(typed_.begin(), typed_.end(), [](char c) { return c != '.'; });
    if (digitCount >= MaxDigits)
        return;
    if (typed_ == "0")
        typed_.clear(); // no leading zeros
    typed_ += static_cast<char>('0' + d);
}

void PocketCalculator::point()
{
    if (error_)
        clear();
    if (!typing_) {
        typed_.clear();
        typing_ = true;
    }
    if (typed_.find('.') != std::string::npos)
        return;
    if (typed_.empty())
        typed_ = "0";
    typed_ += '.';
}

void PocketCalculator::backspace()
{
    if (error_ || !typing_ || typed_.empty())
        return;
    typed_.pop_back();
}

void PocketCalculator::operation(Operation op)
{
    if (error_)
        return;
    if (op == Operation::None)
        return;
    if (!typing_ && pending_ != Operation::None) {
        // Two operators in a row: the last one counts.
        pending_ = op;
        return;
    }
    equals();
    if (error_)
        return;
    accumulator_ = shown_;
    pending_ = op;
}

void PocketCalculator::equals()
{
    if (error_)
        return;
    const double operand = current();
    double result = operand;
    switch (pending_) {
    case Operation::Add: result = accumulator_ + operand; break;
    case Operation::Subtract: result = accumulator_ - operand; break;
    case Operation::Multiply: result = accumulator_ * operand; break;
    case Operation::Divide:
        if (operand == 0.0) {
            fail();
            return;
        }
        result = accumulator_ / operand;
        break;
    case Operation::None: break;
    }
    if (!std::isfinite(result)) {
        fail();
        return;
    }
    pending_ = Operation::None;
    typing_ = false;
    typed_.clear();
    shown_ = result == 0.0 ? 0.0 : result; // no "-0"
}

std::string PocketCalculator::display() const
{
    if (error_)
        return "Error";
    if (!typing_)
        return formatGeneral(shown_, MaxDigits, 0, separator_);
    if (typed_.empty())
        return "0";
    std::string text = typed_;
    if (const auto dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, separator_);
    return text;
}

std::optional<double> PocketCalculator::value() const
{
    if (error_)
        return std::nullopt;
    return current();
}

std::string entryTextWithDecimals(std::string_view text, int digits, std::string_view decimalSeparator)
{
    const auto isBlank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    std::string_view trimmed = text;
    while (!trimmed.empty() && isBlank(trimmed.front()))
        trimmed.remove_prefix(1);
    while (!trimmed.empty() && isBlank(trimmed.back()))
        trimmed.remove_suffix(1);
    if (trimmed.empty() || decimalSeparator.empty() || !parseFloat(trimmed, decimalSeparator))
        return std::string(text);

    // Only plain "[-]digits[sep digits]" texts are reshaped; exponent forms
    // and anything else the parser accepts stay as they are.
    const std::size_t sep = trimmed.find(decimalSeparator);
    const std::string_view whole = trimmed.substr(0, sep);
    std::string_view fraction =
        sep == std::string_view::npos ? std::string_view() : trimmed.substr(sep + decimalSeparator.size());
    const auto allDigits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    const std::string_view wholeDigits = !whole.empty() && whole.front() == '-' ? whole.substr(1) : whole;
    if (!allDigits(wholeDigits) || !allDigits(fraction))
        return std::string(text);

    while (!fraction.empty() && fraction.back() == '0')
        fraction.remove_suffix(1);
    std::string result(whole);
    if (wholeDigits.empty())
        result += '0';
    const std::size_t wanted = static_cast<std::size_t>(std::clamp(digits, 0, 15));
    if (fraction.empty() && wanted == 0)
        return result;
    result += decimalSeparator;
    result += fraction;
    if (fraction.size() < wanted)
        result.append(wanted - fraction.size(), '0');
    return result;
}

} // namespace tvx::converter
