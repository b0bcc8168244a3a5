#include "definition_font.h"

#include <QFile>
#include <QFontDatabase>
#include <QWidget>

#include <cmath>

namespace {

// Debian's fonts-wine ships the face with the reference metrics, but fontconfig does not list it.
constexpr auto designFaceFile = "/usr/share/wine/fonts/ms_sans_serif.ttf";
// The face holds a single bitmap strike: 8 points, 11 px characters in a 13 px cell.
constexpr int designFaceCharHeight = 11;

bool g_designFaceLoaded = false;

} // namespace

namespace DefinitionFont {

bool loadDesignFace()
{
    if (g_designFaceLoaded)
        return true;
    const QString path = QString::fromLatin1(designFaceFile);
    if (!QFile::exists(path))
        return false;
    const int id = QFontDatabase::addApplicationFont(path);
    g_designFaceLoaded =
        id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(QLatin1String(designFamily));
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
    font.setFamilies({QString::fromLatin1(designFace ? designFamily : fallbackFamily)});
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
