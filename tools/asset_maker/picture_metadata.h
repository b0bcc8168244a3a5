#pragma once

#include "jpeg_encoder.h"

#include <QList>
#include <QString>

// What a picture's embedded descriptions say about it.
struct PictureCaption
{
    QString title;
    QString description;
};

// Exif, XMP, an ICC colour profile and a Photoshop resolution block, in that order. Viewers and our
// own display ignore them; they describe the picture to tools that look.
QList<JpegSegment> pictureMetadata(const PictureCaption &caption, const QByteArray &iccProfile);
