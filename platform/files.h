// Files the engineer opens and saves: read with a size limit, chosen in Thai
// dialogs, written whole or not at all.
#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <functional>
#include <variant>

namespace krv1::platform {

enum class ReadFailure { CannotRead, TooLarge };

// The file's bytes, or why they are not given: unreadable, or larger than
// `largest` bytes (then nothing more than that is read).
std::variant<QByteArray, ReadFailure> ReadFileOfAtMost(const QString& path, qint64 largest);

// Replaces the file through a temporary one; false, with any old file left
// whole, when it cannot be written.
bool WriteFileWhole(const QString& path, const QByteArray& bytes);

enum class FileDialogKind { Open, Save };
// Answers a dialog with a path, or an empty one for "cancelled".
using FileDialogSink =
    std::function<QString(FileDialogKind kind, const QString& filter, const QString& proposed)>;

// The path chosen in a Thai file dialog, or empty when cancelled. `filter` is
// a Qt name filter ("... (*.krv1)"); a saved name gets the filter's suffix.
QString ChooseFileToOpen(QWidget* parent, const QString& filter);
QString ChooseFileToSave(QWidget* parent, const QString& filter, const QString& proposed);
FileDialogSink SetFileDialogSink(FileDialogSink sink);

}  // namespace krv1::platform
