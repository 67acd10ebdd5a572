#include "modelfile/TextureNaming.h"

#include <algorithm>
#include <cctype>

namespace fw {

TextureNaming DefaultTextureNaming() {
    TextureNaming n;
    n.NameOf = [](int number) { return "tex" + std::to_string(number); };
    n.NumberOf = [](const std::string& name) -> std::optional<int> {
        if (name.size() < 4 || name.size() > 8) return std::nullopt;
        for (int i = 0; i < 3; ++i)
            if (std::tolower(static_cast<unsigned char>(name[i])) != "tex"[i]) return std::nullopt;
        int number = 0;
        for (size_t i = 3; i < name.size(); ++i) {
            if (!std::isdigit(static_cast<unsigned char>(name[i]))) return std::nullopt;
            number = number * 10 + (name[i] - '0');
        }
        return number;
    };
    return n;
}

TextureWindow ResolveTextureNames(const std::vector<std::string>& names,
                                  const TextureNaming& naming) {
    TextureWindow w;
    std::vector<std::optional<int>> absolute;
    for (const std::string& name : names) absolute.push_back(naming.NumberOf(name));
    int lowest = INT32_MAX, highest = -1;
    for (const auto& a : absolute) {
        if (!a || *a < 0) continue;
        lowest = std::min(lowest, *a);
        highest = std::max(highest, *a);
    }
    if (highest >= 0) {
        w.First = lowest;
        w.Count = highest - lowest + 1;
    }
    for (size_t i = 0; i < names.size(); ++i) {
        bool known = absolute[i] && *absolute[i] >= 0;
        w.Numbers.push_back(known ? *absolute[i] - w.First : -1);
        if (!known && std::find(w.Unknown.begin(), w.Unknown.end(), names[i]) == w.Unknown.end())
            w.Unknown.push_back(names[i]);
    }
    return w;
}

}  // namespace fw
