// Bitmaps and icons loaded by resource id, pattern brushes made from them, DrawIcon.
#include "GdiCanvas.h"

#include "platform/afx/CBitmap.h"
#include "platform/afx/CBrush.h"
#include "platform/linux/gdi/GdiBitmap.h"
#include "platform/linux/gdi/Icon.h"
#include "platform/linux/gdi/ImageResources.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using Canvas = gdi_test::ImageCanvas;
using gdi_test::kPaper;

namespace {

constexpr UINT kBackgroundId = 130;
constexpr UINT kIconId = 131;
constexpr QRgb kIconColor = qRgb(200, 30, 40);

// Appends a little-endian integer of the given width.
template <typename T> void Put(QByteArray& bytes, T value) {
    T le = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&le), sizeof(T));
}

// An .ico file with one 32-bit image per size: a solid square with a transparent border
// of one pixel, so that drawing it shows which pixels the mask keeps.
QByteArray MakeIcon(const std::vector<int>& sizes) {
    std::vector<QByteArray> images;
    for (int size : sizes) {
        QByteArray dib;
        Put<quint32>(dib, 40);
        Put<qint32>(dib, size);
        Put<qint32>(dib, size * 2); // colour rows and mask rows
        Put<quint16>(dib, 1);
        Put<quint16>(dib, 32);
        for (int i = 0; i < 6; ++i) {
            Put<quint32>(dib, 0);
        }
        for (int y = size - 1; y >= 0; --y) { // bottom-up
            for (int x = 0; x < size; ++x) {
                const bool border = x == 0 || y == 0 || x == size - 1 || y == size - 1;
                Put<quint32>(dib, border ? 0u : (0xFF000000u | kIconColor));
            }
        }
        const int maskRow = (size + 31) / 32 * 4;
        dib.append(QByteArray(maskRow * size, '\0'));
        images.push_back(dib);
    }
    QByteArray file;
    Put<quint16>(file, 0);
    Put<quint16>(file, 1);
    Put<quint16>(file, static_cast<quint16>(sizes.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        file.append(static_cast<char>(sizes[i] % 256));
        file.append(static_cast<char>(sizes[i] % 256));
        file.append('\0');
        file.append('\0');
        Put<quint16>(file, 1);
        Put<quint16>(file, 32);
        Put<quint32>(file, static_cast<quint32>(images[i].size()));
        Put<quint32>(file, offset);
        offset += static_cast<quint32>(images[i].size());
    }
    for (const QByteArray& image : images) {
        file.append(image);
    }
    return file;
}

class ImageResources : public testing::Test {
protected:
    void TearDown() override { engine::ClearImageResources(); }

    // Writes a file into the temporary folder and returns its path.
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(ImageResources, BitmapLoadsByIdAndUnknownIdsFail) {
    QImage texture(53, 20, QImage::Format_RGB888);
    texture.fill(qRgb(90, 120, 150));
    texture.setPixel(0, 0, qRgb(1, 2, 3));
    const QString path = m_dir.filePath("background.bmp");
    ASSERT_TRUE(texture.save(path, "BMP"));
    engine::RegisterImageResource(RT_BITMAP, kBackgroundId, path.toStdString());

    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(kBackgroundId));
    EXPECT_EQ(engine::ObjectOf(static_cast<HBITMAP>(bitmap))->Image().size(), QSize(53, 20));
    EXPECT_EQ(engine::ObjectOf(static_cast<HBITMAP>(bitmap))->Image().pixel(0, 0), qRgb(1, 2, 3));

    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(999));
    EXPECT_EQ(missing.m_hObject, nullptr);
    EXPECT_FALSE(missing.LoadBitmap(kIconId)); // an icon id is not a bitmap
    CBrush noPattern(&missing);
    EXPECT_EQ(noPattern.m_hObject, nullptr);
    EXPECT_EQ(engine::LoadIconResource(999), nullptr);
}

TEST_F(ImageResources, TheBackgroundRecipeCoversTheClientArea) {
    QImage texture(53, 20, QImage::Format_RGB888);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 53; ++x) {
            texture.setPixel(x, y, qRgb(200 + x % 50, 180 + y, (x * y) % 256));
        }
    }
    const QString path = m_dir.filePath("background.bmp");
    ASSERT_TRUE(texture.save(path, "BMP"));
    engine::RegisterImageResource(RT_BITMAP, kBackgroundId, path.toStdString());

    // Load, make a pattern brush, fill, delete brush then bitmap: as an erase handler does.
    Canvas canvas(301, 137, kPaper);
    {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(kBackgroundId));
        CBrush brush(&bitmap);
        const CRect client(0, 0, 301, 137);
        canvas.Dc().FillRect(client, &brush);
        brush.DeleteObject();
        bitmap.DeleteObject();
    }
    for (int y = 0; y < 137; ++y) {
        for (int x = 0; x < 301; ++x) {
            ASSERT_EQ(canvas.At(x, y), engine::ToColorRef(texture.pixel(x % 53, y % 20)));
        }
    }
    canvas.Keep("background-texture", 2);
}

TEST_F(ImageResources, IconsKeepAllSizesAndDrawThroughTheirMask) {
    engine::RegisterImageResource(RT_GROUP_ICON, kIconId,
                                  Write("dialog.ico", MakeIcon({16, 32})).toStdString());
    const HICON icon = engine::LoadIconResource(kIconId);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(engine::LoadIconResource(kIconId), icon); // shared, loaded once
    ASSERT_EQ(engine::IconOf(icon)->Images().size(), 2u);
    EXPECT_EQ(engine::IconOf(icon)->Image(16).size(), QSize(16, 16));
    EXPECT_EQ(engine::IconOf(icon)->Image(32).size(), QSize(32, 32));
    EXPECT_EQ(engine::IconOf(icon)->Image(48).size(), QSize(48, 48)); // scaled from the nearest

    Canvas canvas(40, 40, kPaper);
    ASSERT_TRUE(canvas.Dc().DrawIcon(3, 4, icon));
    const COLORREF inked = engine::ToColorRef(kIconColor);
    EXPECT_EQ(canvas.Count(inked), 30 * 30);
    EXPECT_EQ(canvas.Count(inked, 4, 5, 30, 30), 30 * 30);
    EXPECT_EQ(canvas.At(3, 4), kPaper); // the transparent border shows the background
    EXPECT_FALSE(canvas.Dc().DrawIcon(0, 0, nullptr));
    canvas.Keep("draw-icon");
}
