// Runs a fuzz target without libFuzzer: every file of the folders (searched recursively) and
// every file named on the command line is fed once to LLVMFuzzerTestOneInput, in name order.
// Built as a plain program, it replays the seeds and regression files in the test suite.
#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
QStringList inputsOf(const QString& path)
{
    if (!QFileInfo(path).isDir())
        return {path};
    QStringList files;
    QDirIterator it(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}
} // namespace

int main(int argc, char** argv)
{
    QStringList paths;
    for (int i = 1; i < argc; ++i)
        paths << QString::fromLocal8Bit(argv[i]);
    LLVMFuzzerInitialize(&argc, &argv);
    int replayed = 0;
    for (const QString& path : paths) {
        if (!QFileInfo::exists(path)) {
            std::fprintf(stderr, "replay: no such file or folder: %s\n", qPrintable(path));
            return 2;
        }
        for (const QString& input : inputsOf(path)) {
            QFile file(input);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "replay: cannot read %s\n", qPrintable(input));
                return 2;
            }
            const QByteArray bytes = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
