#include "platform/MailComposer.h"

#include <QProcess>
#include <QStandardPaths>

#include <memory>

namespace platform {

namespace {

const QString& Program() {
  static const QString name = QStringLiteral("xdg-email");
  return name;
}

}  // namespace

bool MailProgramAvailable() {
  return !QStandardPaths::findExecutable(Program()).isEmpty();
}

void ComposeMail(const QString& subject, const QString& attachment,
                 std::function<void(int exitCode)> finished) {
  auto* process = new QProcess;
  process->setProgram(Program());
  process->setArguments(
      {QStringLiteral("--subject"), subject, QStringLiteral("--attach"), attachment});
  process->setStandardOutputFile(QProcess::nullDevice());
  auto report = std::make_shared<std::function<void(int)>>(std::move(finished));
  QObject::connect(process, &QProcess::finished, process,
                   [process, report](int code, QProcess::ExitStatus status) {
                     if (*report) (*report)(status == QProcess::NormalExit ? code : -1);
                     process->deleteLater();
                   });
  QObject::connect(process, &QProcess::errorOccurred, process,
                   [process, report](QProcess::ProcessError error) {
                     if (error != QProcess::FailedToStart) return;
                     if (*report) (*report)(-1);
                     process->deleteLater();
                   });
  process->start();
}

}  // namespace platform
