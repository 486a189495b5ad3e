#include "files.h"

#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>
#include <QSaveFile>
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

std::variant<QByteArray, ReadFailure> ReadFileOfAtMost(const QString& path, qint64 largest) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return ReadFailure::CannotRead;
    QByteArray bytes = file.read(largest + 1);
    if (file.error() != QFileDevice::NoError) return ReadFailure::CannotRead;
    if (bytes.size() > largest) return ReadFailure::TooLarge;
    return bytes;
}

bool WriteFileWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
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
