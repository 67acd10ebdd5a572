#include "modelfile/ObjStatements.h"

#include <charconv>
#include <cmath>
#include <sstream>

#include "model/Limits.h"

namespace fw::obj {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

std::string RestOf(const std::string& line, const std::string& keyword) {
    size_t at = line.find(keyword) + keyword.size();
    size_t begin = line.find_first_not_of(" \t", at);
    if (begin == std::string::npos) return "";
    size_t end = line.find_last_not_of(" \t\r");
    return line.substr(begin, end - begin + 1);
}

bool ToNumber(const std::string& text, double& v) {
    const char* begin = text.data() + (!text.empty() && text[0] == '+');
    auto result = std::from_chars(begin, text.data() + text.size(), v);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && std::isfinite(v);
}

static bool ToInteger(const std::string& text, long& v) {
    auto result = std::from_chars(text.data(), text.data() + text.size(), v);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

namespace {

class StatementReader {
public:
    StatementReader(double scale, Statements& out) : scale_(scale), out_(out) {}

    std::string Read(const std::string& text) {
        useObjects_ = HasObjects(text);
        std::istringstream in(text);
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            if (std::string error = Line(line, number); !error.empty())
                return "line " + std::to_string(number) + ": " + error;
        }
        return "";
    }

private:
    static bool HasObjects(const std::string& text) {
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            std::vector<std::string> w = Words(line);
            if (!w.empty() && w[0] == "o") return true;
        }
        return false;
    }

    int GroupNumber(const std::string& name) {
        for (size_t i = 0; i < out_.Groups.size(); ++i)
            if (out_.Groups[i] == name) return int(i);
        out_.Groups.push_back(name);
        return int(out_.Groups.size()) - 1;
    }

    int CurrentGroup() {
        if (group_ < 0) group_ = GroupNumber("");
        return group_;
    }

    std::string Line(const std::string& line, int) {
        std::vector<std::string> w = Words(line);
        if (w.empty() || w[0][0] == '#') return "";
        const std::string& key = w[0];
        if (key == "v") return ReadVertex(w);
        if (key == "vt") return ReadUV(w);
        if (key == "f") return ReadFace(w);
        if (key == "usemtl") {
            material_ = RestOf(line, "usemtl");
        } else if (key == "o" || key == "g") {
            if ((key == "o") == useObjects_) group_ = GroupNumber(RestOf(line, key));
        } else if (key != "mtllib") {
            ++out_.Unused[key];
        }
        return "";
    }

    std::string ReadVertex(const std::vector<std::string>& w) {
        if (w.size() < 4) return "a vertex needs three coordinates";
        Vertex v;
        for (int axis = 0; axis < 3; ++axis) {
            if (!ToNumber(w[1 + axis], v.Position[axis]))
                return "cannot read the number '" + w[1 + axis] + "'";
            v.Position[axis] *= scale_;
            if (!(std::abs(v.Position[axis]) <= MAX_COORDINATE))
                return "the coordinate " + w[1 + axis] +
                       " (scaled) lies beyond the game's range of ±" +
                       std::to_string(int(MAX_COORDINATE));
        }
        v.Position[2] = -v.Position[2];  // back to the game's forward axis
        v.Group = CurrentGroup();
        out_.Vertices.push_back(v);
        return "";
    }

    std::string ReadUV(const std::vector<std::string>& w) {
        std::array<double, 2> uv{};
        if (w.size() < 3 || !ToNumber(w[1], uv[0]) || !ToNumber(w[2], uv[1]))
            return "a texture coordinate needs two numbers";
        for (int i = 0; i < 2; ++i)
            if (!(std::abs(uv[i]) <= MAX_COORDINATE))
                return "the texture coordinate " + w[1 + i] + " lies beyond the game's range of ±" +
                       std::to_string(int(MAX_COORDINATE));
        out_.UVs.push_back({uv[0], 1.0 - uv[1]});
        return "";
    }

    // A 1-based index, or a negative one counted back from the last element so far.
    static bool Index(const std::string& text, size_t count, int& index) {
        long v = 0;
        if (!ToInteger(text, v) || v == 0) return false;
        long resolved = v > 0 ? v - 1 : long(count) + v;
        if (resolved < 0 || resolved >= long(count)) return false;
        index = int(resolved);
        return true;
    }

    std::string ReadFace(const std::vector<std::string>& w) {
        int corners = int(w.size()) - 1;
        if (corners > MAX_CORNERS)
            return "a face with " + std::to_string(corners) +
                   " corners; the editor handles at most " + std::to_string(MAX_CORNERS);
        if (corners < 3)
            return "a face with " + std::to_string(corners) +
                   " corners; a polygon needs at least 3";
        Face f;
        f.Group = CurrentGroup();
        f.Material = material_;
        for (int k = 1; k <= corners; ++k) {
            std::string parts[2];
            size_t slash = w[k].find('/');
            parts[0] = w[k].substr(0, slash);
            if (slash != std::string::npos) {
                size_t next = w[k].find('/', slash + 1);
                parts[1] =
                    w[k].substr(slash + 1, next == std::string::npos ? next : next - slash - 1);
            }
            int vertex = 0, uv = -1;
            if (!Index(parts[0], out_.Vertices.size(), vertex))
                return "vertex '" + parts[0] + "' does not exist (" +
                       std::to_string(out_.Vertices.size()) + " vertices so far)";
            if (!parts[1].empty() && !Index(parts[1], out_.UVs.size(), uv))
                return "texture coordinate '" + parts[1] + "' does not exist (" +
                       std::to_string(out_.UVs.size()) + " so far)";
            f.Vertices.push_back(vertex);
            f.UVs.push_back(uv);
        }
        out_.Faces.push_back(std::move(f));
        return "";
    }

    double scale_;
    Statements& out_;
    bool useObjects_ = false;
    int group_ = -1;
    std::string material_;
};

}  // namespace

std::string ReadStatements(const std::string& text, double scale, Statements& out) {
    out = Statements{};
    return StatementReader(scale, out).Read(text);
}

}  // namespace fw::obj
