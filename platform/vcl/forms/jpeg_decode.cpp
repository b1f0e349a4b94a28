#include "jpeg_decode.h"

#include <csetjmp>
#include <cstdio>
#include <stdexcept>
#include <string>

extern "C" {
#include <jpeglib.h>
}

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info)
{
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    longjmp(err->jump, 1);
}

void OutputMessage(j_common_ptr) {}  // warnings are not shown

// A source manager over a block of memory, in the IJG 6 manner.
const JOCTET kEoi[2] = {0xFF, JPEG_EOI};
void InitSource(j_decompress_ptr) {}
boolean FillInputBuffer(j_decompress_ptr info)
{
    // Past the end: hand the decoder an end marker, as a truncated file reads.
    info->src->next_input_byte = kEoi;
    info->src->bytes_in_buffer = 2;
    return TRUE;
}
void SkipInputData(j_decompress_ptr info, long count)
{
    if (count <= 0)
        return;
    if (static_cast<size_t>(count) > info->src->bytes_in_buffer) {
        FillInputBuffer(info);
        return;
    }
    info->src->next_input_byte += count;
    info->src->bytes_in_buffer -= static_cast<size_t>(count);
}
void TermSource(j_decompress_ptr) {}

}  // namespace

HBITMAP DecodeJpeg(const void* data, size_t size, int& width, int& height)
{
    jpeg_decompress_struct info;
    ErrorManager err;
    info.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = ErrorExit;
    err.pub.output_message = OutputMessage;
    HBITMAP volatile bitmap = nullptr;  // survives the jump back
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        if (bitmap)
            DeleteObject(bitmap);
        throw std::runtime_error(std::string("JPEG error: ") + err.message);
    }
    jpeg_create_decompress(&info);
    jpeg_source_mgr src;
    src.next_input_byte = static_cast<const JOCTET*>(data);
    src.bytes_in_buffer = size;
    src.init_source = InitSource;
    src.fill_input_buffer = FillInputBuffer;
    src.skip_input_data = SkipInputData;
    src.resync_to_restart = jpeg_resync_to_restart;
    src.term_source = TermSource;
    info.src = &src;

    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    width = static_cast<int>(info.output_width);
    height = static_cast<int>(info.output_height);

    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) {
        std::snprintf(err.message, sizeof err.message, "cannot create a bitmap of %d x %d pixels", width, height);
        longjmp(err.jump, 1);
    }
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    JSAMPARRAY rows = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                static_cast<JDIMENSION>(width) * 3, 1);
    const JSAMPLE* row = rows[0];
    while (info.output_scanline < info.output_height) {
        JDIMENSION y = info.output_scanline;
        jpeg_read_scanlines(&info, rows, 1);
        auto* out = static_cast<unsigned char*>(bits) + y * stride;
        for (int x = 0; x < width; ++x) {  // RGB to the DIB's BGR
            out[x * 3 + 0] = row[static_cast<size_t>(x) * 3 + 2];
            out[x * 3 + 1] = row[static_cast<size_t>(x) * 3 + 1];
            out[x * 3 + 2] = row[static_cast<size_t>(x) * 3 + 0];
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return bitmap;
}
