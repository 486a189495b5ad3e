// GoogleTest with a QApplication, offscreen unless a platform is chosen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

#include "platform/fonts.h"
#include "platform/message_box.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::tempPath() + QStringLiteral("/krv1-test-runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    }
    QApplication application(argc, argv);
    krv1::platform::SetUpAppearance();
    // A message nobody expected fails the test instead of waiting for a person.
    krv1::platform::SetMessageSink([](const QString&, const QString& text) {
        ADD_FAILURE() << "unexpected message: " << text.toStdString();
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
