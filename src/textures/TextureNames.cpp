#include "textures/TextureNames.h"

#include <fstream>
#include <system_error>

namespace fw {

namespace {

constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";

}  // namespace

void TextureListReader::Feed(std::string_view piece) {
    for (char c : piece) {
        // Bytes that match the start of a byte order mark are kept as ordinary characters
        // until the third one completes the mark; then they are dropped.
        if (markMatched_ < BYTE_ORDER_MARK.size()) {
            if (c == BYTE_ORDER_MARK[markMatched_]) {
                line_ += c;
                ++lineLength_;
                if (++markMatched_ == BYTE_ORDER_MARK.size()) {
                    line_.clear();
                    lineLength_ = 0;
                }
                continue;
            }
            markMatched_ = BYTE_ORDER_MARK.size();
        }
        if (c == '\n' && afterCarriageReturn_) {
            afterCarriageReturn_ = false;
            continue;
        }
        afterCarriageReturn_ = c == '\r';
        if (c == '\n' || c == '\r') {
            EndLine();
            continue;
        }
        if (line_.size() < TEXTURE_NAME_LENGTH) line_ += c;
        ++lineLength_;
    }
}

void TextureListReader::EndLine() {
    if (lineLength_ > 0 && line_[0] != ';') {
        if (counter_ < TEXTURE_SLOTS) {
            line_.resize(TEXTURE_NAME_LENGTH, ' ');
            table_[counter_] = line_;
        }
        ++counter_;
    }
    line_.clear();
    lineLength_ = 0;
}

TextureNameTable TextureListReader::Finish() {
    EndLine();
    return std::move(table_);
}

TextureNameTable ParseTextureList(std::string_view text) {
    TextureListReader reader;
    reader.Feed(text);
    return reader.Finish();
}

std::filesystem::path TextureListPath(const std::filesystem::path& programDirectory) {
    return programDirectory / "data" / "textures.lst";
}

FatalError LoadTextureNames(const std::filesystem::path& listFile, TextureNameTable& table) {
    std::error_code ec;
    std::ifstream in;
    if (std::filesystem::is_regular_file(listFile, ec)) in.open(listFile, std::ios::binary);
    if (!in.is_open()) return {"xxx", "Fatal error", "Data files not found. Reinstall the module."};
    TextureListReader reader;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        reader.Feed(std::string_view(buffer, static_cast<size_t>(in.gcount())));
    table = reader.Finish();
    return {};
}

const std::string& TextureName(const TextureNameTable& table, int slot) {
    static const std::string none;
    return slot >= 0 && slot < TEXTURE_SLOTS ? table[slot] : none;
}

const std::string& ModelTextureName(const TextureNameTable& table, const ModelStore& m, int t) {
    return TextureName(table, m.FirstModelTexture + t + 1);
}

void FillModelTextureList(const TextureNameTable& table, const ModelStore& m,
                          std::vector<std::string>& list) {
    list.clear();
    for (int i = 1; i <= m.NumberOfTextures; ++i)
        list.push_back(TextureName(table, m.FirstModelTexture + i));
}

}  // namespace fw
