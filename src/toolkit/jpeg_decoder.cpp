#include "jpeg_decoder.h"

#include <QtDebug>

#include <csetjmp>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// libjpeg's own error handler ends the process. Ours jumps back to the decoding function, which
// then cleans up and reports. Every function that calls setjmp keeps only trivially destructible
// locals, since longjmp skips destructors.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jumpBack;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void failDecoding(j_common_ptr info)
{
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    errors->base.format_message(info, errors->message);
    std::longjmp(errors->jumpBack, 1);
}

// A truncated or damaged stream only draws a warning from libjpeg, which would then fill the rest
// of the picture with grey. Treat every warning as an error.
void failOnWarning(j_common_ptr info, int level)
{
    if (level < 0)
        failDecoding(info);
}

// A progressive stream can hold an unbounded number of scans, each a pass over the whole picture.
void limitScans(j_common_ptr info)
{
    auto *decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->is_decompressor && decompress->input_scan_number > JpegDecoder::maxScans) {
        auto *errors = reinterpret_cast<ErrorManager *>(info->err);
        std::snprintf(errors->message, sizeof errors->message, "more than %d scans", JpegDecoder::maxScans);
        std::longjmp(errors->jumpBack, 1);
    }
}

struct Header
{
    int width = 0;
    int height = 0;
};

bool readHeader(jpeg_decompress_struct *info, ErrorManager *errors, const unsigned char *data,
                unsigned long size, Header *header)
{
    if (setjmp(errors->jumpBack))
        return false;
    jpeg_mem_src(info, data, size);
    if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK) {
        std::snprintf(errors->message, sizeof errors->message, "no picture in the stream");
        return false;
    }
    header->width = static_cast<int>(info->image_width);
    header->height = static_cast<int>(info->image_height);
    return true;
}

bool decodePixels(jpeg_decompress_struct *info, ErrorManager *errors, unsigned char *pixels,
                  qsizetype bytesPerLine)
{
    if (setjmp(errors->jumpBack))
        return false;
    info->out_color_space = JCS_RGB;
    info->scale_num = 1;
    info->scale_denom = 1;
    jpeg_start_decompress(info);
    if (info->output_components != 3) {
        std::snprintf(errors->message, sizeof errors->message, "unexpected colour layout");
        return false;
    }
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = pixels + info->output_scanline * bytesPerLine;
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    return true;
}

} // namespace

namespace JpegDecoder {

QImage decode(QByteArrayView jpeg)
{
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = failDecoding;
    errors.base.emit_message = failOnWarning;
    jpeg_progress_mgr progress{};
    progress.progress_monitor = limitScans;

    QImage image;
    if (jpeg.isEmpty()) {
        qWarning("JPEG: empty stream");
        return image;
    }
    jpeg_create_decompress(&info);
    info.progress = &progress;

    Header header;
    bool ok = readHeader(&info, &errors, reinterpret_cast<const unsigned char *>(jpeg.data()),
                         static_cast<unsigned long>(jpeg.size()), &header);
    if (ok && (header.width > maxSide || header.height > maxSide)) {
        std::snprintf(errors.message, sizeof errors.message, "picture of %d x %d is too large", header.width,
                      header.height);
        ok = false;
    }
    if (ok) {
        image = QImage(header.width, header.height, QImage::Format_RGB888);
        ok = !image.isNull() && decodePixels(&info, &errors, image.bits(), image.bytesPerLine());
    }
    jpeg_destroy_decompress(&info);
    if (!ok) {
        qWarning("JPEG: %s", errors.message);
        return QImage();
    }
    return image;
}

} // namespace JpegDecoder
