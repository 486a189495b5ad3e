// GoogleTest with a QApplication, offscreen unless a platform is chosen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include "platform/files.h"
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
    // Settings of this run only: nothing is read from or left in the tester's own.
    QTemporaryDir settings;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    QCoreApplication::setOrganizationName(QStringLiteral("KRV1-tests"));
    QCoreApplication::setApplicationName(QStringLiteral("krv1-tests"));
    // A message nobody expected fails the test instead of waiting for a person.
    krv1::platform::SetMessageSink([](const QString&, const QString& text) {
        ADD_FAILURE() << "unexpected message: " << text.toStdString();
    });
    krv1::platform::SetQuestionSink([](const QString& question) {
        ADD_FAILURE() << "unexpected question: " << question.toStdString();
        return krv1::platform::SaveAnswer::Cancel;
    });
    krv1::platform::SetFileDialogSink([](auto, const QString&, const QString&) {
        ADD_FAILURE() << "unexpected file dialog";
        return QString();
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
