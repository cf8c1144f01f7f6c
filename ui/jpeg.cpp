#include "ui/jpeg.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h uses FILE and size_t without including their headers

#include <jpeglib.h>
#include <jerror.h>

namespace ui {
namespace {

// libjpeg reports fatal errors by calling error_exit, whose default calls
// exit(). Ours longjmps back to guarded() instead. Only plain C objects live
// between setjmp and longjmp, so no destructor is ever skipped.
struct ErrorManager
{
    jpeg_error_mgr pub; // first, so libjpeg's pointer to it is a pointer to us
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

struct Job
{
    jpeg_decompress_struct cinfo;
    ErrorManager error;
    const JOCTET* data;
    unsigned long size;
    uchar* bits; // the destination image's pixels, width × height RGB32
    qsizetype bytesPerLine;
};

extern "C" {

[[noreturn]] static void failDecoding(j_common_ptr cinfo)
{
    auto* error = reinterpret_cast<ErrorManager*>(cinfo->err);
    cinfo->err->format_message(cinfo, error->message);
    std::longjmp(error->jump, 1);
}

// Warnings (msg_level < 0) cover premature end of data and corrupt entropy
// data, after which libjpeg would pad the picture with grey and carry on; a
// damaged picture should be rejected instead. Trace messages are dropped.
static void reportMessage(j_common_ptr cinfo, int msgLevel)
{
    if (msgLevel < 0)
        failDecoding(cinfo);
}

} // extern "C"

// The one place that catches libjpeg's longjmp. It must stay free of objects
// with destructors, and of locals altered after setjmp.
bool guarded(void (*step)(Job*), Job* job)
{
    if (setjmp(job->error.jump))
        return false;
    step(job);
    return true;
}

// Far beyond any picture the program shows, yet a forged header cannot make
// us reserve gigabytes before the data runs out.
constexpr qint64 maxPixels = 64 * 1024 * 1024;

void readHeader(Job* job)
{
    jpeg_decompress_struct* cinfo = &job->cinfo;
    jpeg_create_decompress(cinfo);
    jpeg_mem_src(cinfo, job->data, job->size);
    jpeg_read_header(cinfo, TRUE);
    // libjpeg expands grayscale to RGB as well, so one conversion below fits all.
    cinfo->out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(cinfo);
}

void readPixels(Job* job)
{
    jpeg_decompress_struct* cinfo = &job->cinfo;
    jpeg_start_decompress(cinfo);
    const JDIMENSION width = cinfo->output_width;
    // Pool memory is released by jpeg_destroy_decompress, even after a longjmp.
    JSAMPARRAY row = cinfo->mem->alloc_sarray(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                              width * cinfo->output_components, 1);
    while (cinfo->output_scanline < cinfo->output_height) {
        auto* out = reinterpret_cast<QRgb*>(job->bits + cinfo->output_scanline * job->bytesPerLine);
        // Only a suspending source returns no row; guard against spinning anyway.
        if (jpeg_read_scanlines(cinfo, row, 1) != 1)
            ERREXIT(cinfo, JERR_INPUT_EOF);
        const JSAMPLE* in = row[0];
        for (JDIMENSION x = 0; x < width; ++x, in += 3)
            out[x] = qRgb(in[0], in[1], in[2]);
    }
    jpeg_finish_decompress(cinfo);
}

} // namespace

QImage decodeJpeg(const QByteArray& data, QString* error)
{
    Job job{};
    job.cinfo.err = jpeg_std_error(&job.error.pub);
    job.error.pub.error_exit = failDecoding;
    job.error.pub.emit_message = reportMessage;
    job.data = reinterpret_cast<const JOCTET*>(data.constData());
    job.size = static_cast<unsigned long>(data.size());

    QImage image;
    const char* failure = nullptr;
    if (!guarded(readHeader, &job)) {
        failure = job.error.message;
    } else if (qint64(job.cinfo.output_width) * job.cinfo.output_height > maxPixels) {
        failure = "Picture too large";
    } else if (job.cinfo.output_components != 3) { // readPixels takes three samples a pixel
        failure = "Unsupported colour conversion";
    } else {
        image = QImage(int(job.cinfo.output_width), int(job.cinfo.output_height), QImage::Format_RGB32);
        if (image.isNull()) {
            failure = "Out of memory for the picture";
        } else {
            job.bits = image.bits();
            job.bytesPerLine = image.bytesPerLine();
            if (!guarded(readPixels, &job)) {
                failure = job.error.message;
                image = QImage();
            }
        }
    }
    jpeg_destroy_decompress(&job.cinfo);

    if (failure && error)
        *error = QStringLiteral("Cannot decode JPEG: %1").arg(QString::fromLatin1(failure));
    return image;
}

} // namespace ui
