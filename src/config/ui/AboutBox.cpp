#include "config/ui/AboutBox.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtGlobal>
#include <nlohmann/json.hpp>

#include "config/Version.h"
#include "external/ui/DesktopServices.h"

namespace fw {

namespace {

QString AboutHtml() {
    QString json = QString("%1.%2.%3")
                       .arg(NLOHMANN_JSON_VERSION_MAJOR)
                       .arg(NLOHMANN_JSON_VERSION_MINOR)
                       .arg(NLOHMANN_JSON_VERSION_PATCH);
    return QString(
               "<h2>Facetwork</h2>"
               "<p>Version %1</p>"
               "<p>An editor for the polygon models of Descent 2: robots, powerups and the "
               "other objects the game draws from points, flat and textured polygons and a "
               "tree of submodels. Part of the Tunnelworks suite of game tools.</p>"
               "<h3>Credits</h3>"
               "<p>Written by the Facetwork developers.<br>"
               "Descent and Descent 2 were made by Parallax Software and published by "
               "Interplay; the names are trademarks of their owners. Facetwork is not "
               "connected with them. The model format follows the game's own data, as "
               "documented by the players and programmers who keep the game alive.</p>"
               "<h3>Libraries</h3>"
               "<ul>"
               "<li><b>Qt %2</b> (The Qt Company and contributors): GNU Lesser General "
               "Public License version 3. The program links Qt dynamically, so Qt can be "
               "replaced by another build of the same version.</li>"
               "<li><b>JSON for Modern C++ %3</b> (Niels Lohmann): MIT License.</li>"
               "<li><b>GNU C++ Standard Library</b>: GNU General Public License version 3 "
               "with the GCC Runtime Library Exception.</li>"
               "</ul>")
        .arg(QString::fromStdString(VersionText()), QString(qVersion()), json);
}

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("About Facetwork");
    resize(480, 440);
    auto* layout = new QVBoxLayout(this);
    text_ = new QTextBrowser(this);
    text_->setObjectName("AboutText");
    text_->setOpenExternalLinks(false);
    text_->setHtml(AboutHtml());
    layout->addWidget(text_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText("&OK");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    ApplySuiteFont(this);
}

QString AboutBox::Text() const {
    return text_->toPlainText();
}

}  // namespace fw
