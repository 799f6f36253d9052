#include "delivery/ProgramRunner.h"

#include "shell/AppFolders.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

namespace quillora {

ProgramRun RunAndWait(const std::string& folder, const std::string& program, const std::vector<std::string>& arguments) {
    ProgramRun run;
    const std::string path = !program.empty() && program.front() == '/' ? program : WithSlash(folder) + program;
    QStringList args;
    for (const std::string& a : arguments) args << QString::fromStdString(a);

    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(folder));
    process.setProgram(QString::fromStdString(path));
    process.setArguments(args);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted()) {
        run.errorText = process.errorString().toStdString();
        return run;
    }
    run.started = true;
    while (!process.waitForFinished(100)) {
        if (process.state() == QProcess::NotRunning) break;
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
        if (QCoreApplication::closingDown()) {
            process.kill();
            process.waitForFinished(1000);
            run.crashed = true;
            run.errorText = "stopped: the application is closing";
            return run;
        }
    }
    run.crashed = process.exitStatus() == QProcess::CrashExit;
    run.exitCode = process.exitCode();
    run.errorText = QString::fromLocal8Bit(process.readAllStandardError()).trimmed().toStdString();
    if (run.crashed && run.errorText.empty()) run.errorText = process.errorString().toStdString();
    return run;
}

}  // namespace quillora
