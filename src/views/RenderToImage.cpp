#include "views/RenderToImage.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <cctype>
#include <limits>
#include <memory>
#include <ostream>

#include "modelfile/ModelFile.h"
#include "views/ViewPainter.h"
#include "model/AsciiLower.h"

namespace fw {

namespace {

constexpr double FIT_MARGIN = 1.1;  // 10 % free around the model
constexpr double MIN_EXTENT = 1.0;  // a single point still gets a sensible window
constexpr int MAX_IMAGE_SIDE = 16384;

const char* const USAGE =
    "usage: facetwork-tool render FILE.pol --view xy|xz|zy|iso --size WxH --out FILE.png\n";

bool ParseSize(const std::string& text, QSize& size) {
    size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    auto number = [](const std::string& digits, int& value) {
        if (digits.empty() || digits.size() > 5) return false;
        for (char c : digits)
            if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        value = std::stoi(digits);
        return value >= 1 && value <= MAX_IMAGE_SIDE;
    };
    int w = 0, h = 0;
    if (!number(text.substr(0, x), w) || !number(text.substr(x + 1), h)) return false;
    size = QSize(w, h);
    return true;
}

// Written beside the target and renamed over it, so a failure leaves an old file intact.
bool SavePng(const QImage& image, const std::string& path) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!image.save(&file, "PNG")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "facetwork-tool";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

}  // namespace

int ViewFromName(const std::string& name) {
    std::string lower = AsciiLower(name);
    if (lower == "xy") return VIEW_XY;
    if (lower == "xz") return VIEW_XZ;
    if (lower == "zy") return VIEW_ZY;
    if (lower == "iso") return VIEW_ISO;
    return -1;
}

ViewWindow FitWindow(const ModelStore& m, const ViewState& views, int view, QSize size) {
    double inf = std::numeric_limits<double>::infinity();
    double x0 = inf, x1 = -inf, y0 = inf, y1 = -inf;
    for (int i = 0; i < std::clamp<int>(m.NumPoints, 0, MAX_POINTS); ++i) {
        ViewPos p = ProjectPoint(views, view, m.Points[i]);
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    if (x0 > x1) x0 = x1 = y0 = y1 = 0;
    double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    double needW = std::max((x1 - x0) * FIT_MARGIN, MIN_EXTENT);
    double needH = std::max((y1 - y0) * FIT_MARGIN, MIN_EXTENT);
    double aspect = size.height() > 0 ? double(size.width()) / size.height() : 1.0;
    ViewWindow w;
    if (needW / needH > aspect) {
        w.width = needW;
        w.height = needW / aspect;
    } else {
        w.height = needH;
        w.width = needH * aspect;
    }
    w.left = cx - w.width / 2;
    w.top = cy - w.height / 2;
    return w;
}

QImage RenderToImage(const ModelStore& m, const ViewState& views, int view, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    ViewPainter(m, views).Paint(painter, view, FitWindow(m, views, view, size), size);
    return image;
}

int RenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string input, viewName = "xy", sizeText = "800x600", output;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool hasValue = i + 1 < args.size();
        if ((a == "--view" || a == "--size" || a == "--out") && !hasValue) {
            err << "Missing value after " << a << ".\n" << USAGE;
            return 2;
        }
        if (a == "--view")
            viewName = args[++i];
        else if (a == "--size")
            sizeText = args[++i];
        else if (a == "--out")
            output = args[++i];
        else if (input.empty() && !a.starts_with("--"))
            input = a;
        else {
            err << "Unexpected argument '" << a << "'.\n" << USAGE;
            return 2;
        }
    }
    int view = ViewFromName(viewName);
    QSize size;
    if (input.empty() || output.empty()) {
        err << USAGE;
        return 2;
    }
    if (view < 0) {
        err << "Unknown view '" << viewName << "': use xy, xz, zy or iso.\n";
        return 2;
    }
    if (!ParseSize(sizeText, size)) {
        err << "Bad size '" << sizeText << "': use WxH, each 1 to " << MAX_IMAGE_SIDE << ".\n";
        return 2;
    }
    auto model = std::make_unique<ModelStore>();
    std::string error = ReadModelFile(*model, input);
    if (!error.empty()) {
        err << input << ": " << error << "\n";
        return 1;
    }
    EnsureGuiApplication();
    ViewState views;
    if (!SavePng(RenderToImage(*model, views, view, size), output)) {
        err << "Could not write '" << output << "'.\n";
        return 1;
    }
    out << "Wrote " << output << " (" << ViewCaption(view) << ", " << size.width() << "x"
        << size.height() << ").\n";
    return 0;
}

}  // namespace fw
