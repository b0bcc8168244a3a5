#include "jpeg_encoder.h"

#include <array>
#include <csetjmp>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace {

// A destination that grows our own buffer; the library's memory destination leaves a dangling
// pointer behind once it has grown and an error strikes.
struct ByteSink
{
    jpeg_destination_mgr manager;
    QByteArray *bytes;
    std::array<JOCTET, 16384> chunk;
};

ByteSink &sinkOf(j_compress_ptr cinfo)
{
    return *reinterpret_cast<ByteSink *>(cinfo->dest);
}

void startSink(j_compress_ptr cinfo)
{
    ByteSink &sink = sinkOf(cinfo);
    sink.manager.next_output_byte = sink.chunk.data();
    sink.manager.free_in_buffer = sink.chunk.size();
}

boolean flushSink(j_compress_ptr cinfo)
{
    ByteSink &sink = sinkOf(cinfo);
    sink.bytes->append(reinterpret_cast<const char *>(sink.chunk.data()), qsizetype(sink.chunk.size()));
    startSink(cinfo);
    return TRUE;
}

void finishSink(j_compress_ptr cinfo)
{
    ByteSink &sink = sinkOf(cinfo);
    sink.bytes->append(reinterpret_cast<const char *>(sink.chunk.data()),
                       qsizetype(sink.chunk.size() - sink.manager.free_in_buffer));
}

struct ErrorTrap
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void escape(j_common_ptr cinfo)
{
    auto *trap = reinterpret_cast<ErrorTrap *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, trap->message);
    std::longjmp(trap->jump, 1);
}

jpeg_scan_info scan(std::initializer_list<int> components, int spectralStart, int spectralEnd)
{
    jpeg_scan_info info{};
    info.comps_in_scan = int(components.size());
    int i = 0;
    for (int component : components)
        info.component_index[i++] = component;
    info.Ss = spectralStart;
    info.Se = spectralEnd;
    return info;
}

// DC of all three components first, so the whole picture appears at once in coarse form; then the
// luma bands and the two chroma components, lowest frequencies first. No successive approximation.
std::vector<jpeg_scan_info> spectralScript()
{
    return {scan({0, 1, 2}, 0, 0), scan({0}, 1, 5),   scan({1}, 1, 63), scan({2}, 1, 63),
            scan({0}, 6, 14),      scan({0}, 15, 27), scan({0}, 28, 63)};
}

// Only plain data lives across the jump: everything with a destructor belongs to the caller.
bool compress(jpeg_compress_struct &cinfo, ErrorTrap &trap, ByteSink &sink, const QImage &rgb,
              const JpegRecipe &recipe, std::vector<jpeg_scan_info> &script)
{
    if (setjmp(trap.jump))
        return false;

    jpeg_create_compress(&cinfo);
    cinfo.dest = &sink.manager;
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_colorspace(&cinfo, JCS_YCbCr);
    // Setting the colour space decides both markers anew; we want both.
    cinfo.write_JFIF_header = TRUE;
    cinfo.write_Adobe_marker = TRUE;
    cinfo.density_unit = 1;
    cinfo.X_density = 72;
    cinfo.Y_density = 72;
    for (int i = 0; i < cinfo.num_components; ++i) {
        cinfo.comp_info[i].h_samp_factor = 1;
        cinfo.comp_info[i].v_samp_factor = 1;
    }
    jpeg_set_quality(&cinfo, recipe.quality, TRUE);
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.optimize_coding = TRUE;
    if (recipe.layout == JpegLayout::BaselineWithRestarts)
        cinfo.restart_in_rows = 1;
    if (recipe.layout == JpegLayout::SpectralProgressive) {
        cinfo.scan_info = script.data();
        cinfo.num_scans = int(script.size());
    }

    jpeg_start_compress(&cinfo, TRUE);
    for (const JpegSegment &segment : recipe.segments)
        jpeg_write_marker(&cinfo, JPEG_APP0 + segment.appNumber,
                          reinterpret_cast<const JOCTET *>(segment.payload.constData()),
                          unsigned(segment.payload.size()));
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPLE *>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

} // namespace

QByteArray encodeJpeg(const QImage &image, const JpegRecipe &recipe)
{
    for (const JpegSegment &segment : recipe.segments) {
        if (segment.appNumber < 0 || segment.appNumber > 15 || segment.payload.size() > 65533)
            throw std::runtime_error("an application segment does not fit a JPEG marker");
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QByteArray bytes;
    ByteSink sink{};
    sink.bytes = &bytes;
    sink.manager.init_destination = startSink;
    sink.manager.empty_output_buffer = flushSink;
    sink.manager.term_destination = finishSink;
    ErrorTrap trap{};
    jpeg_compress_struct cinfo{};
    cinfo.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = escape;
    std::vector<jpeg_scan_info> script = spectralScript();

    const bool done = compress(cinfo, trap, sink, rgb, recipe, script);
    jpeg_destroy_compress(&cinfo);
    if (!done)
        throw std::runtime_error(std::string("JPEG encoding failed: ") + trap.message);
    return bytes;
}
