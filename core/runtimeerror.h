#pragma once

#include <QString>

#include <stdexcept>
#include <utility>

namespace core {

// An error that ends the program: a guard that tripped, or a control asked
// for something it does not have. It carries the number and description the
// user is shown before the program closes.
class RuntimeError : public std::runtime_error
{
public:
    enum Number : int {
        Overflow = 6,
        InvalidPicture = 481,
        IndexOutOfBounds = 35600,
    };

    RuntimeError(Number number, const QString &description);

    Number number() const noexcept { return m_number; }

    // "Run-time error '6': Overflow"
    QString message() const;

private:
    Number m_number;
    QString m_description;
};

[[noreturn]] void throwOverflow();

// Whole-number arithmetic is done wide and then narrowed through this guard,
// so that a result outside the target type is an error, never a wrap-around.
template<typename Int>
Int checkedNarrow(long long value)
{
    if (!std::in_range<Int>(value))
        throwOverflow();
    return static_cast<Int>(value);
}

} // namespace core
