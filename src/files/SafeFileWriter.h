#pragma once
#include "model/Status.h"
#include <QIODevice>
#include <QString>
#include <functional>

// Every file the program saves goes through here. The bytes go to a temporary file in the same
// folder, which replaces the old file only once every byte is written and flushed: a failure at
// any point (disk full, no permission, a writer that gives up) leaves the old file whole.
namespace SafeFileWriter {
// The writer returns false to abandon the save; `what` names the file in messages.
Status write(const QString& fileName, const std::function<bool(QIODevice&)>& writer);
Status writeBytes(const QString& fileName, const QByteArray& bytes);
} // namespace SafeFileWriter
