#include "mainwindow/PreviewDirectories.h"

#include <QCoreApplication>
#include <QDir>
#include <filesystem>
#include <system_error>

#include "modelfile/TempModelFiles.h"

namespace fw {

namespace fs = std::filesystem;

PreviewLinkDirectories PreviewDirectories() {
    PreviewLinkDirectories dirs;
    QDir suite(QCoreApplication::applicationDirPath());
    if (suite.cd("../suite")) {
        dirs.Suite = suite.absolutePath().toStdString();
        fs::path temp = fs::path(dirs.Suite) / "_Temp";
        std::error_code ec;
        fs::create_directories(temp, ec);
        if (!ec && fs::is_directory(temp, ec)) {
            dirs.Temporary = temp.string();
            return dirs;
        }
    }
    // The private folder: TempModelPath creates it and gives "" when it is not safely ours.
    std::string probe = TempModelPath(PREVIEW_COPY_NAME);
    if (!probe.empty()) dirs.Temporary = fs::path(probe).parent_path().string();
    return dirs;
}

PreviewLinkDirectories SuitePreviewDirectories(const SuiteDirectories& dirs) {
    return {dirs.suite, dirs.temp};
}

}  // namespace fw
