#include "textures/TextureToolCommands.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <ostream>
#include <system_error>

#include "external/AtomicFile.h"
#include "textures/GameTextureImport.h"
#include "textures/TextureCatalogue.h"

namespace fw {

namespace {

namespace fs = std::filesystem;

constexpr const char* USAGE = "import GAMEDIR | list [--lst FILE] | thumbnail ID OUT.dib";

const ToolCommand COMMANDS[] = {{"textures", USAGE, -1, RunTextures}};

int Usage(std::ostream& err) {
    err << "usage: facetwork-tool textures " << USAGE << "\n";
    return 2;
}

// The catalogue the editor would use; null after reporting why there is none.
std::optional<TextureCatalogue> CatalogueInUse(std::ostream& err) {
    CatalogueLoad load = LoadTextureCatalogue(ProgramDirectory(), UserTextureDirectory());
    if (load.Error) {
        err << load.Error.Title << " (" << load.Error.Code << "): " << load.Error.Message << "\n";
        return std::nullopt;
    }
    if (!load.Notice.empty()) err << load.Notice << "\n";
    return std::move(load.Catalogue);
}

int Import(const std::string& gameDirectory, std::ostream& out, std::ostream& err) {
    const fs::path target = UserTextureDirectory();
    if (target.empty()) {
        err << "Neither XDG_DATA_HOME nor HOME is set: there is no folder for the catalogue.\n";
        return 1;
    }
    TextureImportReport report;
    if (std::string error = ImportGameTextures(gameDirectory, target, &report); !error.empty()) {
        err << error << "\n";
        return 1;
    }
    out << "Imported " << report.GameTextures << " game textures into " << target.string() << ".\n";
    if (report.Placeholders > 0)
        out << report.Placeholders << " slots the game's table does not reach keep their "
            << "placeholders.\n";
    return 0;
}

int List(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    TextureNameTable names;
    if (args.size() == 3 && args[1] == "--lst") {
        std::error_code ec;
        if (!fs::is_regular_file(args[2], ec) || LoadTextureNames(args[2], names)) {
            err << "Cannot read the name list " << args[2] << ".\n";
            return 1;
        }
    } else if (args.size() == 1) {
        auto catalogue = CatalogueInUse(err);
        if (!catalogue) return 1;
        names = catalogue->Names();
    } else {
        return Usage(err);
    }
    for (int slot = 1; slot < TEXTURE_SLOTS; ++slot)
        if (!names[slot].empty()) out << slot << " '" << names[slot] << "'\n";
    return 0;
}

int Thumbnail(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    if (args.size() != 3) return Usage(err);
    const std::string& text = args[1];
    int id = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (ec != std::errc() || end != text.data() + text.size() || id < FIRST_THUMBNAIL_ID ||
        id > LAST_THUMBNAIL_ID) {
        err << "No thumbnail has the id " << text << "; ids run from " << FIRST_THUMBNAIL_ID
            << " to " << LAST_THUMBNAIL_ID << ".\n";
        return 1;
    }
    auto catalogue = CatalogueInUse(err);
    if (!catalogue) return 1;
    std::span<const uint8_t> picture = catalogue->Thumbnail(id);
    if (std::string error = WriteFileAtomically(
            args[2],
            std::string_view(reinterpret_cast<const char*>(picture.data()), picture.size()));
        !error.empty()) {
        err << error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

std::span<const ToolCommand> TextureToolCommands() {
    return COMMANDS;
}

int RunTextures(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return Usage(err);
    if (args[0] == "import") return args.size() == 2 ? Import(args[1], out, err) : Usage(err);
    if (args[0] == "list") return List(args, out, err);
    if (args[0] == "thumbnail") return Thumbnail(args, out, err);
    return Usage(err);
}

}  // namespace fw
