#include "files.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <cstdio>
#include <utility>

#include "text/ui_texts.h"
#include "utf8_text.h"

namespace krv1::platform {
namespace {

FileDialogSink& Sink() {
    static FileDialogSink sink;
    return sink;
}

// Qt's own dialog rather than the desktop's, so that every word is Thai.
QString AskForPath(QWidget* parent, FileDialogKind kind, const QString& filter,
                   const QString& proposed) {
    if (Sink()) return Sink()(kind, filter, proposed);
    QFileDialog dialog(parent, QStringLiteral("KRV1"), proposed, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const bool saving = kind == FileDialogKind::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setLabelText(QFileDialog::LookIn, FromUtf8(text::ui::kLookIn));
    dialog.setLabelText(QFileDialog::FileName, FromUtf8(text::ui::kFileName));
    dialog.setLabelText(QFileDialog::FileType, FromUtf8(text::ui::kFileType));
    dialog.setLabelText(QFileDialog::Accept, FromUtf8(saving ? text::ui::kSave : text::ui::kOpen));
    dialog.setLabelText(QFileDialog::Reject, FromUtf8(text::ui::kCancel));
    // "*.krv1" in the filter gives the suffix a saved name lacks.
    const QRegularExpressionMatch suffix =
        QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
    if (suffix.hasMatch()) dialog.setDefaultSuffix(suffix.captured(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace

#ifdef _WIN32
std::variant<QByteArray, ReadFailure> ReadFileOfAtMost(const QString& path, qint64 largest) {
    // Windows has no FIFOs in its file system: a pipe or a device is not a
    // file by its name, and only a file is opened.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return ReadFailure::CannotRead;
    QByteArray bytes = file.read(largest + 1);
    if (file.error() != QFileDevice::NoError) return ReadFailure::CannotRead;
    if (bytes.size() > largest) return ReadFailure::TooLarge;
    return bytes;
}
#else
std::variant<QByteArray, ReadFailure> ReadFileOfAtMost(const QString& path, qint64 largest) {
    // Opened without blocking and then asked what it is: a FIFO named as a
    // design would otherwise wait for a writer for ever.
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) return ReadFailure::CannotRead;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return ReadFailure::CannotRead;
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return ReadFailure::CannotRead;
    }
    QByteArray bytes = file.read(largest + 1);
    if (file.error() != QFileDevice::NoError) return ReadFailure::CannotRead;
    if (bytes.size() > largest) return ReadFailure::TooLarge;
    return bytes;
}
#endif

bool RegularFileAt(const QString& path) { return QFileInfo(path).isFile(); }

namespace {

#ifdef _WIN32
const int kStandardOutput = _fileno(stdout);  // in binary mode from main()
#else
constexpr int kStandardOutput = STDOUT_FILENO;
#endif

// Standard output, or a device or FIFO, written straight into.
class StreamFile : public QFile {
public:
    explicit StreamFile(const QString& path) : QFile(path), standardOutput_(path == u"-") {}
    bool open(OpenMode mode) override {
        if (standardOutput_) return QFile::open(kStandardOutput, mode, DontCloseHandle);
        // No truncation: a device or a FIFO has nothing to cut.
        return QFile::open(mode | QIODevice::Append);
    }

private:
    bool standardOutput_;
};

}  // namespace

std::unique_ptr<QFileDevice> FileToWrite(const QString& path) {
    const QFileInfo target(path);
    if (path == u"-" || (target.exists() && !target.isFile() && !target.isDir()))
        return std::make_unique<StreamFile>(path);
    return std::make_unique<QSaveFile>(path);
}

bool FinishWriting(QFileDevice& file) {
    // QSaveFile::commit() can report success after its own last write has
    // failed: everything is flushed and checked here first.
    const bool written = file.isOpen() && file.flush() && file.error() == QFileDevice::NoError;
    if (auto* saved = qobject_cast<QSaveFile*>(&file)) {
        if (!written) {
            saved->cancelWriting();
            return false;
        }
        return saved->commit();
    }
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

bool WriteFileWhole(const QString& path, const QByteArray& bytes) {
    const std::unique_ptr<QFileDevice> file = FileToWrite(path);
    if (!file->open(QIODevice::WriteOnly)) return false;
    if (file->write(bytes) != bytes.size()) {
        if (auto* saved = qobject_cast<QSaveFile*>(file.get())) saved->cancelWriting();
        return false;
    }
    return FinishWriting(*file);
}

QString ChooseFileToOpen(QWidget* parent, const QString& filter) {
    return AskForPath(parent, FileDialogKind::Open, filter, {});
}

QString ChooseFileToSave(QWidget* parent, const QString& filter, const QString& proposed) {
    return AskForPath(parent, FileDialogKind::Save, filter, proposed);
}

FileDialogSink SetFileDialogSink(FileDialogSink sink) {
    return std::exchange(Sink(), std::move(sink));
}

}  // namespace krv1::platform
