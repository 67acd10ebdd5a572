#pragma once

#include <memory>

#include "modelfile/ExchangeFormats.h"
#include "textures/TextureCatalogue.h"

namespace fw {

// The exchange formats' texture names from the catalogue: texture number n is the name in
// slot n + 1, without its padding blanks and with characters OBJ and file names stumble
// over (blanks, slashes) as "_"; a name an earlier slot already has gets "_<n>" appended.
// Slots without a name keep the default "tex<N>". Names are matched back
// case-insensitively, the catalogue's first, then the default form.
TextureNaming CatalogueTextureNaming(const TextureNameTable& names);

// Texture number n's thumbnail (id FIRST_THUMBNAIL_ID + n) as a PNG file; none (empty) when
// the catalogue has no such thumbnail.
std::function<std::vector<uint8_t>(int number)> CatalogueTexturePictures(
    std::shared_ptr<const TextureCatalogue> catalogue);

// Both, for the readers and writers of the format table.
FormatOptions CatalogueFormatOptions(std::shared_ptr<const TextureCatalogue> catalogue);

// The same from the catalogue the program loads at start (see LoadTextureCatalogue); the
// formats' defaults when the program's name list is missing.
FormatOptions ProgramFormatOptions();

}  // namespace fw
