// Files the engineer opens and saves: read with a size limit, chosen in Thai
// dialogs, written whole or not at all.
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <variant>

namespace krv1::platform {

enum class ReadFailure { CannotRead, TooLarge };

// The file's bytes, or why they are not given: unreadable, not a regular
// file (a FIFO, a device or a folder is never opened, so nothing can hang),
// or larger than `largest` bytes (then nothing more than that is read).
std::variant<QByteArray, ReadFailure> ReadFileOfAtMost(const QString& path, qint64 largest);

// Whether a regular file, or a link to one, stands at `path`.
bool RegularFileAt(const QString& path);

// A file to write, not yet open. A regular file, or a path where nothing is
// yet, is written through a temporary file that replaces it only when whole,
// so that it never replaces anything but a file. Anything else that exists
// (a device, a FIFO, a socket) is written straight into, as `cat > path`
// does; "-" is standard output. A symbolic link is followed.
std::unique_ptr<QFileDevice> FileToWrite(const QString& path);
// Ends a write begun on FileToWrite's device: every byte flushed and the
// device without error, then the temporary file put in place. False on any
// failure (disk full, I/O error, quota, file size limit), the temporary file
// removed and an earlier file left exactly as it was.
bool FinishWriting(QFileDevice& file);

// The bytes written whole, or not at all.
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
