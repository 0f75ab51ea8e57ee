#pragma once

#include <QString>

// The outcome of an operation that can fail: success, or a message that a
// window can show to the operator as it stands.
class Result
{
public:
    static Result success() { return Result(); }
    static Result failure(const QString& message) { return Result(message); }

    bool ok() const { return m_ok; }
    const QString& message() const { return m_message; }

private:
    Result() = default;
    explicit Result(const QString& message) : m_ok(false), m_message(message) {}

    bool m_ok = true;
    QString m_message;
};
