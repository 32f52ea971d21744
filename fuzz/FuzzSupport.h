#pragma once
#include "model/Status.h"
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>

class Design;

// What every fuzz target shares: the process set-up the program's start-up does (settings in a
// private folder, the shipped data of the source tree, the symbol font, a QGuiApplication on
// the offscreen platform for symbol rendering), a fresh design per input, and a scratch folder
// in memory where each input is written as the file the program would open.
namespace FuzzSupport {
// Called once from LLVMFuzzerInitialize (or the replay driver's main).
void initialize(int* argc, char*** argv);

// A fresh document as the start-up initialisation leaves it: settings and language read, and
// the shipped catalogues, which are loaded once per process and copied into every document.
std::unique_ptr<Design> freshDesign();

// The scratch folder (ends with '/'), emptied of nothing: targets overwrite their own files.
QString scratchFolder();
// Writes the input to `name` in the scratch folder and returns its path.
QString writeInput(const uint8_t* data, size_t size, const QString& name);
QByteArray bytes(const uint8_t* data, size_t size);

// Stops the process (a finding) when a refusal does not name the file it refused: every message
// about a damaged file must tell the user which file it was.
void checkNamesFile(const Status& status, const QString& fileName);
// Stops the process with a message: a broken promise of a reader.
[[noreturn]] void fail(const char* what, const QString& detail = QString());
} // namespace FuzzSupport
