#pragma once

#include "studiocore/quiz_draft.h"

#include <QString>

// A picture file the teacher chose or dropped, made into the picture the quiz will hold by the
// quiz checker itself (read safely, turned upright, scaled down to fit), so the studio never
// decodes a stranger's file its own way.
namespace PictureImport {

struct Loaded
{
    StudioPicture picture;
    QString problem;  // why the file cannot be a picture, empty when it can
    bool ok() const { return problem.isEmpty(); }
};

Loaded load(const QString &path);

} // namespace PictureImport
