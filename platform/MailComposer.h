#pragma once
// A new message in the user's mail program with a file attached: the
// desktop's xdg-email, started without waiting, so the user writes the
// message while the program goes on.
#include <QString>

#include <functional>

namespace platform {

// xdg-email is on PATH.
bool MailProgramAvailable();

// Starts `xdg-email --subject <subject> --attach <file>`. `finished` gets
// the program's exit code when it ends (0: the message was handed over),
// or -1 when it could not start at all.
void ComposeMail(const QString& subject, const QString& attachment,
                 std::function<void(int exitCode)> finished);

}  // namespace platform
