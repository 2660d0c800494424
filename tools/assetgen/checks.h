#pragma once

#include "catalogue.h"

#include <QStringList>

// Reads every written file back and reports what is wrong with it: wrong
// size, any pixel that is not fully opaque, a PNG that carries alpha, a
// resource list that disagrees with the folder, and artwork where the
// application needs plain white.
// The subfolder of the pictures drawn at twice their size.
inline constexpr char HighDensityFolder[] = "2x";

QStringList verify(const QString &folder, const std::vector<Picture> &pictures, int scale);
// The same for the icons: exact sizes, a transparent ground around an
// opaque shield, and nothing else in the folder.
QStringList verifyIcons(const QString &folder, const std::vector<Picture> &icons);
