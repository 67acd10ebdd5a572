#include "external/ui/DesktopServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QUrl>
#include <QWidget>

namespace fw {

namespace {

constexpr const char* SUITE_FONT = "Tahoma";

std::function<bool(const std::string&)>& Opener() {
    static std::function<bool(const std::string&)> opener;
    return opener;
}

}  // namespace

bool OpenDocument(const std::string& pathOrAddress) {
    if (Opener()) return Opener()(pathOrAddress);
    QString target = QString::fromStdString(pathOrAddress);
    QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath())
                                         : QUrl::fromUserInput(target);
    return QDesktopServices::openUrl(url);
}

void SetDocumentOpener(std::function<bool(const std::string&)> opener) {
    Opener() = std::move(opener);
}

void YieldEvents() {
    for (int i = 0; i < 100; ++i) QCoreApplication::processEvents();
}

void SetTopmost(QWidget* window, bool on) {
    if (!window || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
    bool visible = window->isVisible();
    QRect geometry = window->geometry();
    bool quiet = window->testAttribute(Qt::WA_ShowWithoutActivating);
    window->setWindowFlag(Qt::WindowStaysOnTopHint, on);  // hides the window
    if (!visible) return;
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->setGeometry(geometry);
    window->show();
    window->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
}

void EnsureSuiteFont() {
    if (QFontDatabase::families().contains(SUITE_FONT, Qt::CaseInsensitive)) return;
    // Faces of similar width and height, in order of likeness.
    QStringList standIns;
    for (const char* face : {"Verdana", "DejaVu Sans", "Liberation Sans", "Noto Sans", "Arial"})
        if (QFontDatabase::families().contains(face, Qt::CaseInsensitive)) standIns << face;
    if (standIns.isEmpty()) standIns << QApplication::font().family();
    QFont::insertSubstitutions(SUITE_FONT, standIns);
}

void ApplySuiteFont(QWidget* window) {
    QFont font(SUITE_FONT);
    font.setPointSizeF(QApplication::font().pointSizeF());
    window->setFont(font);
}

}  // namespace fw
