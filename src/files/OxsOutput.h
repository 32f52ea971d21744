#pragma once
#include <QIODevice>
#include <string_view>
#include <vector>

// Where an Open Cross Stitch file is written: the XML stream writer's many small pieces and the
// stitch lines, which the writer formats itself (names, numbers and punctuation only: nothing
// to escape), collected and handed to the file in large blocks. A chart of a million stitches
// would otherwise spend most of its export in the per-call costs of the file device and of the
// stream writer.
//
// The stream writer and the direct appends may take turns as long as the stream writer has no
// start tag open.
class OxsOutput : public QIODevice
{
public:
    explicit OxsOutput(QIODevice& target);

    OxsOutput& append(std::string_view text);
    OxsOutput& number(int value);
    // A half-cell point in cells: "3" or "3.5".
    OxsOutput& cells(int halfPoint);

    // Hands what is collected to the target; false once any hand-over failed.
    bool flushBlock();

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    static constexpr size_t kBlockBytes = size_t(1) << 20;
    QIODevice& m_target;
    std::vector<char> m_block; // keeps its room when it is emptied
    bool m_ok = true;
};
