// Draws the program's pictures, icon and cursor and writes them into its resources folder.
// The output depends only on this code and the font files, so the committed files can be
// reproduced byte for byte.

#include "about_art.h"
#include "banner_art.h"
#include "font_shelf.h"
#include "hand_cursor_art.h"
#include "icon_art.h"
#include "icon_file_writer.h"
#include "icon_inks.h"
#include "jpeg_encoder.h"
#include "menu_art.h"
#include "menu_layout.h"
#include "picture_metadata.h"
#include "srgb_profile.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <stdexcept>

namespace {

const QString DefaultFontDirectory = QStringLiteral("/usr/share/fonts/truetype/dejavu");

struct IconDepth
{
    int bitsPerPixel;
    QList<int> sizes;
};

const QList<IconDepth> IconDepths = {
    {4, {16, 24, 32, 48}},
    {8, {16, 24, 32, 48}},
    {32, {16, 24, 32, 48, 64, 72, 96, 128}},
};

// Where the made files go: written into the resources folder, or compared with what is there.
class Output
{
public:
    enum class Mode { Write, Check };

    Output(const QDir &root, Mode mode) : m_root(root), m_mode(mode) {}

    void put(const QString &relativePath, const QByteArray &bytes)
    {
        const QString path = m_root.filePath(relativePath);
        if (m_mode == Mode::Check) {
            QFile existing(path);
            if (!existing.open(QIODevice::ReadOnly) || existing.readAll() != bytes)
                m_differing.append(relativePath);
            return;
        }
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            throw std::runtime_error(
                QStringLiteral("cannot create the folder for %1").arg(path).toStdString());
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            throw std::runtime_error(
                QStringLiteral("cannot write %1: %2").arg(path, file.errorString()).toStdString());
    }

    const QStringList &differing() const { return m_differing; }

private:
    QDir m_root;
    Mode m_mode;
    QStringList m_differing;
};

class PictureWriter
{
public:
    PictureWriter(Output &output, const QByteArray &iccProfile) : m_output(output), m_iccProfile(iccProfile)
    {
    }

    void write(const QString &fileName, const QImage &image, JpegLayout layout, const PictureCaption &caption)
    {
        JpegRecipe recipe;
        recipe.layout = layout;
        recipe.quality = 95;
        recipe.segments = pictureMetadata(caption, m_iccProfile);
        m_output.put(QStringLiteral("pictures/") + fileName, encodeJpeg(image, recipe));
    }

private:
    Output &m_output;
    QByteArray m_iccProfile;
};

void makeEverything(Output &output, const FontShelf &fonts)
{
    PictureWriter pictures(output, srgbProfile());

    const QImage menu = paintMenuBackground(fonts);
    pictures.write(
        QStringLiteral("menu_background.jpg"), menu, JpegLayout::SpectralProgressive,
        {QStringLiteral("Tobrelin menu"), QStringLiteral("Background of the Tobrelin menu window")});
    for (const MenuLayout::WordButton &button : MenuLayout::Words) {
        const QString word = QString::fromLatin1(button.word);
        pictures.write(QString::fromLatin1(button.fileName), menu.copy(button.place), JpegLayout::Baseline,
                       {QStringLiteral("Tobrelin menu: %1").arg(word),
                        QStringLiteral("The %1 button of the Tobrelin menu").arg(word)});
    }
    pictures.write(
        QStringLiteral("banner.jpg"), paintBanner(fonts), JpegLayout::BaselineWithRestarts,
        {QStringLiteral("l2v.example"), QStringLiteral("Banner of the l2v.example portal")});
    pictures.write(QStringLiteral("about_background.jpg"), paintAboutBackground(),
                   JpegLayout::BaselineWithRestarts,
                   {QStringLiteral("Evening in the meadow"),
                    QStringLiteral("Two travellers resting in a meadow at sunset; background of the Tobrelin "
                                   "about window")});

    QList<IconPicture> icon;
    for (const IconDepth &depth : IconDepths) {
        for (int size : depth.sizes)
            icon.append({paintIcon(size), depth.bitsPerPixel});
    }
    output.put(QStringLiteral("icons/tobrelin.ico"), iconFile(icon, IconInk::All));
    output.put(QStringLiteral("cursors/hand.cur"), cursorFile(paintHandCursor(), HandHotSpot));
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool check = arguments.removeAll(QStringLiteral("--check")) > 0;
    if (arguments.isEmpty() || arguments.size() > 2) {
        std::fprintf(stderr,
                     "usage: tobrelin-assets [--check] RESOURCES_DIR [FONT_DIR]\n"
                     "  draws the pictures, icon and cursor into RESOURCES_DIR; with --check, compares\n"
                     "  them with the files there instead and fails on any difference.\n"
                     "  FONT_DIR holds the DejaVu font files (default %s)\n",
                     qPrintable(DefaultFontDirectory));
        return 2;
    }
    Output output{QDir(arguments[0]), check ? Output::Mode::Check : Output::Mode::Write};
    try {
        const FontShelf fonts(arguments.size() == 2 ? arguments[1] : DefaultFontDirectory);
        makeEverything(output, fonts);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "tobrelin-assets: %s\n", error.what());
        return 1;
    }
    for (const QString &path : output.differing())
        std::fprintf(stderr, "tobrelin-assets: %s differs from what the generator draws\n", qPrintable(path));
    return output.differing().isEmpty() ? 0 : 1;
}
