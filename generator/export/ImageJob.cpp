#include "generator/export/ImageJob.h"

#include "core/PathUtil.h"
#include "generator/export/ImageRules.h"
#include "generator/export/PictureRender.h"
#include "generator/export/SiteFileWriter.h"
#include "generator/export/SourceImage.h"
#include "imaging/ImageType.h"
#include "imaging/file/ImageFile.h"
#include "imaging/file/Picture.h"

#include <QDir>
#include <QTemporaryFile>

#include <cstdio>

namespace pictavo {

namespace {

bool cancelled(const ImageJobSettings& settings) {
    return settings.cancel && settings.cancel->load(std::memory_order_relaxed);
}

QString thumbnailFileName(int number, const QString& extension) {
    return QStringLiteral("Thumbnail%1.").arg(number) + extension;
}

bool isPictureType(int type) {
    return type == kImageIco || type == kImageEmf;
}

QByteArray toByteArray(const std::vector<std::uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

// JPEG bytes of image (flattened to 24-bit first); empty on failure.
QByteArray encodeJpeg(const RasterImage& image) {
    RasterImage rgb = FlattenToRgb(image);
    std::vector<std::uint8_t> out;
    if (!rgb.isValid() || !encodeImage(rgb, out, kImageJpeg))
        return {};
    return toByteArray(out);
}

// Runs write(temporaryPath) and renames the result over destination.
template <typename Write>
Status writeThroughTemporary(const QString& destination, Write&& write) {
    QTemporaryFile temporary(path::folderWithSeparator(destination) +
                             QStringLiteral(".pictavo-XXXXXX"));
    if (!temporary.open())
        return Error(
            QStringLiteral("cannot write %1: %2").arg(destination, temporary.errorString()));
    temporary.close();
    if (!write(temporary.fileName()) || QFileInfo(temporary.fileName()).size() == 0)
        return Error(QStringLiteral("cannot write %1").arg(destination));
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(destination).constData()) != 0)
        return Error(QStringLiteral("cannot write %1").arg(destination));
    temporary.setAutoRemove(false);
    return Status::success();
}

class JobRunner {
public:
    JobRunner(const SourceJob& job, const ImageJobSettings& settings, RunReport& report)
        : job_(job), settings_(settings), report_(report), source_(job.source) {}

    ImageJobResult run() {
        if (job_.displaySize)
            result_.displaySize = displaySize();
        if (!job_.conversions.empty() && !stopping())
            convert();
        if (!job_.thumbnails.empty() && !stopping())
            makeThumbnails();
        for (const QString& destination : job_.copies) {
            if (stopping())
                break;
            copyTo(destination);
        }
        return std::move(result_);
    }

private:
    // Cancelled, or the run stopped at an error every file would meet.
    bool stopping() const { return cancelled(settings_) || report_.stopped(); }

    void fail(const QString& what, const QString& why) {
        result_.failed = true;
        report_.add(source_.path(), what + QStringLiteral(": ") + why);
    }
    void fail(const QString& what, const Error& error) {
        result_.failed = true;
        report_.add(source_.path(), error.withContext(what));
    }

    QSize displaySize() {
        if (settings_.displayBox.width() <= 0 || settings_.displayBox.height() <= 0)
            return {0, 0};
        if (source_.exists() && source_.fileSize() >= kDisplaySizeSourceLimit)
            return {0, 0};
        const int type = source_.typeFromExtension();
        if (type < 0)
            return {0, 0};
        std::optional<QSize> size;
        if (isPictureType(type)) {
            size = pictureNaturalSize(source_.path());
        } else {
            size = source_.uprightSize();
        }
        return size ? displaySizeFor(*size, settings_.displayBox) : QSize(0, 0);
    }

    // The full-size decode, made once and shared by conversion and thumbnail.
    RasterImage* fullImage() {
        if (!fullTried_) {
            fullTried_ = true;
            if (!source_.decodeUpright(full_, {}, settings_.cancel)) {
                decodeError_ =
                    source_.exists() ? full_.lastError() : QStringLiteral("file not found");
                full_.clear();
            }
        }
        return full_.isValid() ? &full_ : nullptr;
    }

    void convert() {
        const int type = source_.typeFromExtension();
        for (const QString& destination : job_.conversions) {
            if (cancelled(settings_))
                return;
            Status status;
            if (isPictureType(type)) {
                status = writeThroughTemporary(destination, [&](const QString& temporary) {
                    return RenderPictureFile(source_.path(), temporary, type, kImageJpeg);
                });
            } else if (const RasterImage* image = fullImage()) {
                const QByteArray jpeg = encodeJpeg(*image);
                status = jpeg.isEmpty() ? Status(Error(QStringLiteral("JPEG encoding failed")))
                                        : writeSiteFile(destination, jpeg);
            } else {
                // An image that cannot be decoded is published unchanged.
                fail(QStringLiteral("cannot convert"), decodeError_);
                status = copyBytes(destination);
            }
            if (!status)
                fail(QStringLiteral("cannot convert"), status.error());
        }
    }

    Status copyBytes(const QString& destination) {
        if (!source_.exists())
            return Error(QStringLiteral("file not found"));
        return copySiteFile(source_.path(), destination);
    }

    void copyTo(const QString& destination) {
        const Status status = copyBytes(destination);
        if (!status)
            fail(QStringLiteral("cannot copy"), status.error());
    }

    // Writes the same thumbnail bytes under every number; the URL names
    // the file written.
    void publishThumbnail(const QByteArray& bytes, const QString& extension) {
        for (const int number : job_.thumbnails) {
            const QString name = thumbnailFileName(number, extension);
            const Status status = writeSiteFile(path::join(settings_.thumbnailFolder, name), bytes);
            if (!status) {
                fail(QStringLiteral("cannot write thumbnail"), status.error());
                continue;
            }
            result_.thumbnails.emplace_back(number, QStringLiteral("./files/thumbnail/") + name);
        }
    }

    void makeThumbnails() {
        const int type = source_.typeFromExtension();
        if (type < 0)
            return;  // the format is not known by name: fallback
        if (isPictureType(type)) {
            pictureThumbnail();
            return;
        }
        if (!source_.exists()) {
            fail(QStringLiteral("cannot make thumbnail"), QStringLiteral("file not found"));
            return;
        }
        if (source_.fileSize() >= kThumbnailSourceLimit)
            return;  // fallback by rule

        const QSize box = settings_.thumbnailBox;
        RasterImage reduced;
        RasterImage* image = nullptr;
        const std::optional<QSize> upright = source_.uprightSize();
        if (job_.thumbnailsFromFullDecode || !upright) {
            image = fullImage();
        } else if (source_.decodeUpright(reduced, thumbnailDecodeMinimum(*upright, box),
                                         settings_.cancel)) {
            image = &reduced;
        } else {
            decodeError_ = reduced.lastError();
        }
        if (!image) {
            fail(QStringLiteral("cannot make thumbnail"), decodeError_);
            return;
        }
        // The rules work on the full upright size, even from a reduced decode.
        const QSize size = upright ? *upright : QSize(image->width(), image->height());
        if (fitsThumbnailBox(size, box)) {
            if (type == kImageJpeg || type == kImageGif) {
                publishThumbnail(source_.bytesAsArray(), path::extension(source_.path()).toLower());
                return;
            }
            publishJpegThumbnail(*image);
            return;
        }
        const QSize target = thumbnailSize(size, box);
        RasterImage scaled;
        image->setEscapeFlag(settings_.cancel);
        if (!image->resample(target.width(), target.height(), 1, &scaled) || cancelled(settings_)) {
            if (!cancelled(settings_))
                fail(QStringLiteral("cannot make thumbnail"), image->lastError());
            return;
        }
        reduced.clear();  // free the decode before encoding
        publishJpegThumbnail(scaled);
    }

    void publishJpegThumbnail(const RasterImage& image) {
        const QByteArray jpeg = encodeJpeg(image);
        if (jpeg.isEmpty()) {
            fail(QStringLiteral("cannot make thumbnail"), QStringLiteral("JPEG encoding failed"));
            return;
        }
        publishThumbnail(jpeg, QStringLiteral("jpg"));
    }

    void pictureThumbnail() {
        Result<RasterImage> picture = renderPictureOnWhite(source_.path());
        if (!picture) {
            fail(QStringLiteral("cannot make thumbnail"), picture.error().message());
            return;
        }
        publishJpegThumbnail(picture.value());
    }

    const SourceJob& job_;
    const ImageJobSettings& settings_;
    RunReport& report_;
    SourceImage source_;
    ImageJobResult result_;
    RasterImage full_;
    bool fullTried_ = false;
    QString decodeError_;
};

}  // namespace

ImageJobResult runImageJob(const SourceJob& job, const ImageJobSettings& settings,
                           RunReport& report) {
    return JobRunner(job, settings, report).run();
}

}  // namespace pictavo
