#include "SkinPictures.h"

#include <array>
#include <initializer_list>
#include <utility>
#include <vector>

// The pictures are built here from their colours rather than stored as image
// files: they are small, and the runs below read like the artwork's own
// description, so a wrong pixel is easy to spot.

namespace {

constexpr QRgb key = skinKeyColour & 0xFFFFFF;

// Rows 2 to 22 of the title bar, top to bottom.
constexpr std::array<QRgb, 21> titleBar = {
    0x52A8CE, 0x55A9CF, 0x5FB0D4, 0x63B1D5, 0x6EB7D7, 0x70BADB, 0x76BCDC,
    0x7BBFDD, 0x81C2DF, 0x87C4E0, 0x8EC8E2, 0x94CAE3, 0x9ACEE5, 0xA0D1E6,
    0xA7D4E8, 0xAED8EA, 0xB4DAEB, 0xBADDEC, 0xC5E3F1, 0xCAE6F2, 0xD0E9F4,
};

using Pixels = std::vector<QRgb>;

// Colours given as (colour, how many times) in a row.
Pixels runs(std::initializer_list<std::pair<QRgb, int>> list)
{
    Pixels pixels;
    for (const auto &[colour, count] : list)
        pixels.insert(pixels.end(), static_cast<std::size_t>(count), colour);
    return pixels;
}

Pixels concat(Pixels head, const QRgb *tailBegin, const QRgb *tailEnd)
{
    head.insert(head.end(), tailBegin, tailEnd);
    return head;
}

QImage fromColumns(std::initializer_list<Pixels> columns)
{
    const int height = static_cast<int>(columns.begin()->size());
    QImage image(static_cast<int>(columns.size()), height, QImage::Format_RGB32);
    int x = 0;
    for (const Pixels &column : columns) {
        Q_ASSERT(static_cast<int>(column.size()) == height);
        for (int y = 0; y < height; ++y)
            image.setPixel(x, y, 0xFF000000 | column[static_cast<std::size_t>(y)]);
        ++x;
    }
    return image;
}

QImage fromRows(std::initializer_list<Pixels> rows)
{
    const int width = static_cast<int>(rows.begin()->size());
    QImage image(width, static_cast<int>(rows.size()), QImage::Format_RGB32);
    int y = 0;
    for (const Pixels &row : rows) {
        Q_ASSERT(static_cast<int>(row.size()) == width);
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, 0xFF000000 | row[static_cast<std::size_t>(x)]);
        ++y;
    }
    return image;
}

QImage topLeftCorner()
{
    static constexpr QRgb innerLine[] = {
        0x4B7E99, 0x70AECC, 0x79B6D4, 0x7DB8D6, 0x81BAD6, 0x85BCD8, 0x8BBED9,
        0x8FC0DA, 0x93C3DB, 0x99C5DD, 0x9EC8DF, 0xA3CBE1, 0xAACFE3, 0xAFD1E4,
        0xB5D4E6, 0xBAD8E8, 0xC0DBEA, 0xC5DEEB, 0xCBE1ED, 0xD0E4EF, 0xD5E7F1,
    };
    return fromColumns({
        runs({{key, 2}, {0x245974, 1}, {0x1A4154, 1}, {0x183B4D, 2}, {0x173B4D, 1},
              {0x173B4C, 1}, {0x173A4C, 3}, {0x16394C, 4}, {0x16384B, 1}, {0x15384B, 2},
              {0x15374A, 1}, {0x14374A, 4}}),
        concat({key, 0x1B4356}, std::begin(innerLine), std::end(innerLine)),
        concat({0x265C76, 0x467992, 0x73B2D3, 0x53A7CF}, titleBar.begin() + 2, titleBar.end()),
        concat({0x1D465B, 0x7BBCDB}, titleBar.begin(), titleBar.end()),
    });
}

QImage topEdge()
{
    QImage image(4, 23, QImage::Format_RGB32);
    image.fill(0xFF1D475B);
    image.setPixel(0, 0, 0xFF1D465B);
    for (int x = 0; x < 4; ++x) {
        image.setPixel(x, 1, 0xFF7BBDDB);
        for (int y = 2; y < 23; ++y)
            image.setPixel(x, y, 0xFF000000 | titleBar[static_cast<std::size_t>(y - 2)]);
    }
    return image;
}

QImage leftEdge()
{
    return fromColumns({
        runs({{0x133548, 2}, {0x123447, 3}, {0x123347, 1}, {0x113347, 2}, {0x113246, 4},
              {0x103146, 1}, {0x103145, 4}, {0x0F3044, 1}, {0x103044, 1}, {0x0F2F44, 1},
              {0x0F2F43, 2}, {0x0E2F43, 1}}),
        runs({{0xECF4F8, 1}, {0xEFF6F9, 1}, {0xF3F8FB, 2}, {0xF6FAFC, 19}}),
        runs({{0xE6F0F6, 1}, {0xEAF3F8, 1}, {0xEFF6F9, 2}, {0xF2F8FB, 2}, {0xF4F9FB, 1},
              {0xF4F8FB, 16}}),
        runs({{0xEDF8FC, 1}, {0xF1F9FC, 1}, {0xF4FBFD, 2}, {0xF6FCFE, 2}, {0xF8FCFE, 4},
              {0xF7FCFE, 3}, {0xF8FCFE, 1}, {0xF7FCFE, 9}}),
    });
}

QImage bottomLeftCorner()
{
    return fromRows({
        {0x0A1C36, 0xE7EAED, 0xF4F6F9, 0xF3F5F8},
        {0x0E2749, 0x9199A5, 0xF6F7FA, 0xF4F6F9},
        {key, 0x0A1D37, 0x848D99, 0xDFE3E7},
        {key, key, 0x0E264A, 0x0B1E39},
    });
}

QImage bottomEdge()
{
    return fromRows({
        {0xF3F6FA, 0xF3F6FA, 0xF3F6FA, 0xF3F6FA},
        {0xF3F6FA, 0xF3F6FA, 0xF3F6FA, 0xF3F6FA},
        {0xF6F8FB, 0xF6F8FB, 0xF6F8FB, 0xF6F8FB},
        {0x0A2239, 0x0A2239, 0x0B233B, 0x0B233B},
    });
}

QImage mirrored(const QImage &image)
{
    return image.mirrored(true, false);
}

std::array<QImage, skinPictureCount> makePictures()
{
    const QImage left = topLeftCorner();
    const QImage side = leftEdge();
    const QImage bottom = bottomLeftCorner();
    return {left, topEdge(), mirrored(left), side, mirrored(side),
            bottom, bottomEdge(), mirrored(bottom)};
}

} // namespace

QImage skinPicture(int number)
{
    Q_ASSERT(number >= 1 && number <= skinPictureCount);
    static const std::array<QImage, skinPictureCount> pictures = makePictures();
    return pictures[static_cast<std::size_t>(number - 1)];
}
