#pragma once

#include <QString>

// Composes representative pictures from `folder`, magnified without
// smoothing so single pixels can be judged, into one review image.
bool writeContactSheet(const QString &folder, const QString &file);
