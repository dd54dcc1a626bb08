#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

// How every operation of the program reports failure. It lies at the bottom
// of the layers so that the system calls, the batch job and both front ends
// speak of failure in the same words.
namespace kettwerk {

// Whose the fault is decides what the user can do about it, and which exit
// code kettwerk-batch gives.
enum class FailureKind {
    BadInput, // what the user gave cannot be used as it is
    File,     // a file, a folder, standard input or output could not be read or written
};

struct Failure
{
    FailureKind kind = FailureKind::File;
    QString message; // one or more lines, naming the path and the reason where there is one

    static Failure file(QString message) { return {FailureKind::File, std::move(message)}; }
    static Failure badInput(QString message) { return {FailureKind::BadInput, std::move(message)}; }
};

// A value, or the failure that kept it from being made. Never dropped: a
// caller that does not look at it gets a compiler warning.
template <typename T = void> class [[nodiscard]] Result
{
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : m_state(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return m_state.index() == 0; }
    const T& value() const { return std::get<0>(m_state); }
    T& value() { return std::get<0>(m_state); }
    const Failure& failure() const { return std::get<1>(m_state); }
    FailureKind kind() const { return failure().kind; }
    const QString& error() const { return ok() ? noError() : failure().message; }

private:
    static const QString& noError()
    {
        static const QString none;
        return none;
    }
    std::variant<T, Failure> m_state;
};

template <> class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Failure failure) : m_failure(std::move(failure)) {}

    bool ok() const { return !m_failure; }
    const Failure& failure() const { return *m_failure; }
    FailureKind kind() const { return m_failure->kind; }
    QString error() const { return m_failure ? m_failure->message : QString(); }

private:
    std::optional<Failure> m_failure;
};

} // namespace kettwerk
