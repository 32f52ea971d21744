#pragma once
#include "model/Status.h"
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class PreviewRenderer;

// Saving the whole real preview to a PNG or JPEG file without ever holding it whole: the
// picture is rendered in bands of cell rows, each band streamed row by row to the encoder,
// into a temporary file that replaces the named file only when every byte is written. A
// failure or a cancel leaves an existing file whole.
namespace PreviewExport {
enum class Format { Png, Jpeg };
constexpr int kJpegQuality = 90;

// By the file's extension: ".png", ".jpg" or ".jpeg" (any case).
std::optional<Format> formatOf(const QString& fileName);

// Refuses a picture that the format cannot hold (a JPEG side over 65 500 pixels), naming its size.
Status checkSize(const QSize& size, Format format);

// Called after each band with the rows written and the rows in all; false cancels the save.
using Progress = std::function<bool(int done, int total)>;

// Writes the picture of a prepared renderer. `cancelled` (optional) tells a cancel from a
// failure; a cancelled save returns an error status with no message.
Status write(PreviewRenderer& renderer, const QString& fileName, Format format, const Progress& progress = {},
    bool* cancelled = nullptr);
} // namespace PreviewExport
