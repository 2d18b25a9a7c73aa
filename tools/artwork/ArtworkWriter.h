// Writes every picture the game loads into an assets folder.
#pragma once

#include <QString>

namespace kelvora::artwork {

// Paints the tiles into <assets>/pictures, the icons into <assets>/icon and the rules photo into
// <assets>/pictures, creating the folders when missing. On failure returns false and says why.
bool WriteArtwork(const QString& assetsFolder, QString* error);

}  // namespace kelvora::artwork
