// Versionkeeper: the registry of installed Descent versions that the suite's programs read.
// It finds the suite as they do (COBL_CFG, cobl.cfg beside the program, the per-user
// pointer), or takes the suite folder as its argument.
//
// Usage: versionkeeper [SUITE_DIR]

#include <QApplication>
#include <filesystem>

#include "external/SuiteLibrary.h"
#include "external/SuitePointer.h"
#include "external/SuiteStrings.h"
#include "external/ui/CoblEMsg.h"
#include "external/ui/DesktopServices.h"
#include "external/ui/VersionKeeperDialog.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Versionkeeper");
    fw::EnsureSuiteFont();

    std::string suiteDir;
    QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        suiteDir = fw::AddSlash(std::filesystem::absolute(args.at(1).toStdString()).string());
    } else if (auto pointer =
                   fw::FindPointerFile(QCoreApplication::applicationDirPath().toStdString())) {
        suiteDir = fw::ReadSuiteDirectory(*pointer);
    }
    std::error_code ec;
    if (suiteDir.empty() || !std::filesystem::is_regular_file(suiteDir + fw::SUITE_INI, ec)) {
        fw::ShowSuiteError(fw::NotInstalledError());
        return 1;
    }
    fw::VersionKeeperDialog dialog(suiteDir);
    dialog.exec();
    return 0;
}
