// libjpeg reports a failure through its error manager, whose default handler ends the program.
// Ours formats the message and jumps back to the call that started the compression, which then
// releases the compressor and reports the message as an error text.

#include "app/jpeg_writer.h"

#include "game/model/grid_file.h"

#include <QImage>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

namespace app {

namespace {

struct ErrorManager {
    jpeg_error_mgr base; // first, so that libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpBack(j_common_ptr compressor) {
    auto* manager = reinterpret_cast<ErrorManager*>(compressor->err);
    manager->base.format_message(compressor, manager->message);
    std::longjmp(manager->escape, 1);
}

// Warnings are not errors: the picture is written all the same, and nothing goes to stderr.
void IgnoreMessage(j_common_ptr) {}

struct RgbRows {
    const unsigned char* first;
    int width;
    int height;
    qsizetype stride;
};

// Only plain C objects live in this frame, so the jump back skips no destructor. On return
// *output holds a buffer for the caller to free(), whatever the outcome.
bool Compress(const RgbRows& rows, unsigned char** output, unsigned long* size, char* message) {
    jpeg_compress_struct compressor;
    ErrorManager errors;
    compressor.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpBack;
    errors.base.output_message = IgnoreMessage;
    errors.message[0] = '\0';
    if (setjmp(errors.escape)) {
        jpeg_destroy_compress(&compressor);
        std::memcpy(message, errors.message, JMSG_LENGTH_MAX);
        return false;
    }
    jpeg_create_compress(&compressor);
    jpeg_mem_dest(&compressor, output, size);
    compressor.image_width = JDIMENSION(rows.width);
    compressor.image_height = JDIMENSION(rows.height);
    compressor.input_components = 3;
    compressor.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compressor);
    jpeg_start_compress(&compressor, TRUE);
    while (compressor.next_scanline < compressor.image_height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(rows.first + qsizetype(compressor.next_scanline) * rows.stride);
        jpeg_write_scanlines(&compressor, &row, 1);
    }
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);
    return true;
}

} // namespace

QString EncodeJpeg(const QImage& image, QByteArray& jpeg) {
    jpeg.clear();
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    char message[JMSG_LENGTH_MAX] = {};
    const bool encoded = Compress({rgb.constBits(), rgb.width(), rgb.height(), rgb.bytesPerLine()},
                                  &buffer, &size, message);
    if (encoded)
        jpeg = QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    if (!encoded)
        return QStringLiteral("Impossible de créer l'image JPEG : %1")
            .arg(QString::fromLocal8Bit(message));
    return {};
}

QString SaveJpeg(const QImage& image, const QString& path) {
    QByteArray jpeg;
    const QString error = EncodeJpeg(image, jpeg);
    return error.isEmpty() ? game::WriteGridFile(path, jpeg) : error;
}

} // namespace app
