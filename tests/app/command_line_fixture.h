// The program run as an engineer's script would run it, with no display.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <string>

#include "engine/mix_input.h"
#include "presentation/design_file.h"

namespace krv1 {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class CommandLineTest : public ::testing::Test {
public:
    // `prepare` runs in the child before the program starts (a file size
    // limit, say); `output`, when given, is where standard output goes.
    Outcome run(const QStringList& arguments, std::function<void()> prepare = {},
                const QString& output = {}) {
        QProcess program;
        if (prepare) program.setChildProcessModifier(prepare);
        if (!output.isEmpty()) program.setStandardOutputFile(output);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (!locale.isEmpty()) environment.insert(QStringLiteral("LC_ALL"), locale);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(KRV1_PROGRAM), arguments);
        if (!program.waitForFinished(30000)) {
            ADD_FAILURE() << "the program did not end";
            program.kill();
            program.waitForFinished();
        }
        // A crash is no exit status at all.
        return Outcome{program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
                       program.readAllStandardOutput().toStdString(),
                       program.readAllStandardError().toStdString()};
    }
    QString design(const QString& name, const MixInput& input,
                   const std::string& engineer = "สมชาย ใจดี") {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(
            presentation::WriteDesign(presentation::Design{engineer, input, {}})));
        return path;
    }
    QTemporaryDir folder;
    QString locale;  // LC_ALL for the program, when set
};

}  // namespace krv1
