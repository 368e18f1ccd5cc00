// Running the command-line tools that read what the build made, and the pictures it was made from.
#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace tavelin::testing {

struct ToolRun {
  int exitCode = -1;
  QString out;
  QString err;
};

// Runs `program` and waits for it; one that cannot start gives -1 and the reason in `err`.
inline ToolRun RunTool(
    const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  ToolRun run;
  if (!process.waitForStarted() || !process.waitForFinished(120000)) {
    run.err = program + QStringLiteral(": ") + process.errorString();
    return run;
  }
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

inline QString SourcePath(const QString& relative) {
  return QStringLiteral(TAVELIN_SOURCE_DIR "/") + relative;
}

// A picture of the source enlarged `factor` times, every pixel a square block: how pixel art is
// shipped.
inline QImage EnlargedPicture(const QString& relative, int factor) {
  const QImage picture(SourcePath(relative));
  return picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation)
      .convertToFormat(QImage::Format_ARGB32);
}

}  // namespace tavelin::testing
