#include "textures/PlaceholderThumbnails.h"

#include "textures/Thumbnail.h"

// The generator's output is assembled in as it is: a generated array of 3 MB would make the
// compiler slow, and the assembler needs no parsing. (ccache refuses to cache a file with
// .incbin, so a new picture file is never hidden by a stale object.)
__asm__(
    ".pushsection .rodata\n"
    ".balign 16\n"
    ".global fw_placeholder_thumbnails\n"
    ".hidden fw_placeholder_thumbnails\n"
    "fw_placeholder_thumbnails:\n"
    ".incbin \"" FW_PLACEHOLDER_FILE
    "\"\n"
    ".global fw_placeholder_thumbnails_end\n"
    ".hidden fw_placeholder_thumbnails_end\n"
    "fw_placeholder_thumbnails_end:\n"
    ".popsection\n");

extern "C" const uint8_t fw_placeholder_thumbnails[];
extern "C" const uint8_t fw_placeholder_thumbnails_end[];

namespace fw {

std::span<const uint8_t> PlaceholderThumbnails() {
    static_assert(THUMBNAIL_COUNT == 599);
    return {fw_placeholder_thumbnails, fw_placeholder_thumbnails_end};
}

}  // namespace fw
