#include "definition_font.h"

#include <QFile>
#include <QFontDatabase>
#include <QWidget>

#include <cmath>

namespace {

// Debian's fonts-wine ships the face with the reference metrics, and a scalable face close to it
// for the other sizes, but fontconfig does not list them.
constexpr auto wineFonts = "/usr/share/wine/fonts/";
constexpr auto designFaceFile = "ms_sans_serif.ttf";
constexpr auto closeFaceFiles = {"tahoma.ttf", "tahomabd.ttf"};
constexpr auto closeFamily = "Tahoma";
// The face holds a single bitmap strike: 8 points, 11 px characters in a 13 px cell.
constexpr int designFaceCharHeight = 11;

bool g_designFaceLoaded = false;
bool g_closeFaceLoaded = false;

bool addFont(const char *file, const char *family)
{
    const QString path = QString::fromLatin1(wineFonts) + QString::fromLatin1(file);
    if (!QFile::exists(path))
        return false;
    const int id = QFontDatabase::addApplicationFont(path);
    return id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(QLatin1String(family));
}

} // namespace

namespace DefinitionFont {

bool loadDesignFace()
{
    if (g_designFaceLoaded)
        return true;
    g_designFaceLoaded = addFont(designFaceFile, designFamily);
    for (const char *file : closeFaceFiles)
        g_closeFaceLoaded = addFont(file, closeFamily) || g_closeFaceLoaded;
    return g_designFaceLoaded;
}

bool designFaceLoaded()
{
    return g_designFaceLoaded;
}

int pixelHeight(int pointSize)
{
    return static_cast<int>(std::lround(pointSize * 96.0 / 72.0 - 0.01));
}

QFont resolve(const QFont &designed)
{
    const int pixels = designed.pixelSize() > 0 ? designed.pixelSize() : pixelHeight(designed.pointSize());
    const bool designFace = designed.family() == QLatin1String(designFamily) && g_designFaceLoaded
                            && pixels == designFaceCharHeight && !designed.bold() && !designed.italic();
    QFont font(designed);
    const char *family = designFace ? designFamily : g_closeFaceLoaded ? closeFamily : fallbackFamily;
    font.setFamilies({QString::fromLatin1(family)});
    font.setPixelSize(pixels);
    return font;
}

void applyToTree(QWidget *root)
{
    root->setFont(resolve(root->font()));
    const auto descendants = root->findChildren<QWidget *>();
    for (QWidget *widget : descendants) {
        if (widget->testAttribute(Qt::WA_SetFont))
            widget->setFont(resolve(widget->font()));
    }
}

} // namespace DefinitionFont
