#pragma once

#include <QString>
#include <exception>

namespace morvane {

// The one error type of the renaming job. It carries the text the user sees;
// it is caught only at the edges (the window's handler wrapper and the
// unattended command-line run).
class MorvaneError : public std::exception {
public:
    explicit MorvaneError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// The system's text for an errno value, in the user's language
// ("No such file or directory" for ENOENT). Safe from any thread.
QString systemErrorText(int error);

} // namespace morvane
