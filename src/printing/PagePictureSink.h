#pragma once
#include "printing/PageFileNames.h"
#include "printing/RunTarget.h"
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QStringList>
#include <functional>
#include <memory>

// Page pictures of an export: each page is encoded when it is finished into a temporary file
// beside its target and released, so a run holds one page picture however long it is. Only
// finish() renames the temporaries to their names, which are made once the number of pages is
// known; a failure or an abort removes them and leaves existing files untouched.
class PagePictureSink : public RunTarget
{
public:
    // The file of page `page` (from 1) of `count`.
    using Names = std::function<QString(int page, int count)>;

    // Pages are white pictures of `size` pixels at 72 pixels per inch; `quality` is the JPEG's.
    PagePictureSink(QSize size, PageFileNames::PictureType type, int quality, Names names);
    ~PagePictureSink() override;

    QPainter& painter() override;
    bool newPage() override;
    int resolution() const override { return kResolution; }
    Status finish() override;
    void abort() override;

    // The files written by finish(), in page order.
    const QStringList& written() const { return m_written; }
    // The most page pictures held at one time.
    int mostPicturesHeld() const { return m_mostHeld; }
    // The reason of the last failure.
    const Status& failure() const { return m_failure; }

    static constexpr int kResolution = 72;

private:
    void openPicture();
    bool storePicture();
    bool encode(QIODevice& device, QString& reason) const;
    void removeTemporaries();

    QSize m_size;
    PageFileNames::PictureType m_type;
    int m_quality;
    Names m_names;
    QImage m_picture;
    std::unique_ptr<QPainter> m_painter;
    QStringList m_temporaries;
    QStringList m_written;
    Status m_failure;
    int m_held = 0;
    int m_mostHeld = 0;
};
