#include "jpegencoder.h"

// jpeglib.h needs FILE and size_t declared first.
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include <stdexcept>
#include <vector>

namespace assetgen {
namespace {

struct CompressState
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    unsigned char *buffer = nullptr;
    unsigned long size = 0;

    CompressState()
    {
        info.err = jpeg_std_error(&errors);
        jpeg_create_compress(&info);
    }
    ~CompressState()
    {
        jpeg_destroy_compress(&info);
        std::free(buffer);
    }
    CompressState(const CompressState &) = delete;
    CompressState &operator=(const CompressState &) = delete;
};

} // namespace

QByteArray encodeJpeg(const QImage &source, const JpegOptions &options)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    if (image.isNull())
        throw std::invalid_argument("JPEG encoder: empty image");

    CompressState state;
    jpeg_compress_struct &info = state.info;
    jpeg_mem_dest(&info, &state.buffer, &state.size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, options.quality, TRUE); // baseline tables
    info.optimize_coding = TRUE;
    info.dct_method = JDCT_ISLOW; // the same coefficients on every machine
    if (options.fullChroma)
        for (int component = 0; component < info.num_components; ++component) {
            info.comp_info[component].h_samp_factor = 1;
            info.comp_info[component].v_samp_factor = 1;
        }
    info.restart_interval = unsigned(options.restartInterval);
    info.write_JFIF_header = TRUE;
    info.JFIF_major_version = 1;
    info.JFIF_minor_version = UINT8(options.jfifMinorVersion);
    if (options.dotsPerInch > 0) {
        info.density_unit = 1;
        info.X_density = UINT16(options.dotsPerInch);
        info.Y_density = UINT16(options.dotsPerInch);
    }
    info.write_Adobe_marker = options.adobeMarker ? TRUE : FALSE;

    jpeg_start_compress(&info, TRUE);
    if (!options.iccProfile.isEmpty())
        jpeg_write_icc_profile(&info, reinterpret_cast<const JOCTET *>(options.iccProfile.constData()),
                               unsigned(options.iccProfile.size()));
    for (const JpegOptions::AppMarker &marker : options.extraMarkers)
        jpeg_write_marker(&info, JPEG_APP0 + marker.number, reinterpret_cast<const JOCTET *>(marker.data.constData()),
                          unsigned(marker.data.size()));

    std::vector<JSAMPLE> row(std::size_t(image.width()) * 3);
    while (info.next_scanline < info.image_height) {
        const uchar *line = image.constScanLine(int(info.next_scanline));
        std::copy(line, line + row.size(), row.begin());
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    return QByteArray(reinterpret_cast<const char *>(state.buffer), qsizetype(state.size));
}

} // namespace assetgen
