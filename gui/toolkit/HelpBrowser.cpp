#include "gui/toolkit/HelpBrowser.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace porvap {

QString HelpAnchor(int context) {
    return QString("context-%1").arg(context);
}

QString LocateManual(const QString& executableDir) {
    const QDir dir(executableDir);
    for (const QString& candidate : {dir.filePath(kManualFileName),
                                     dir.filePath(QString("../share/porvap/") + kManualFileName)}) {
        if (QFileInfo(candidate).isFile())
            return QFileInfo(candidate).canonicalFilePath();
    }
    return {};
}

HelpBrowser::HelpBrowser(const QString& manualPath, QWidget* parent)
    : QWidget(parent, Qt::Window), manualPath_(manualPath), browser_(new QTextBrowser(this)) {
    setObjectName("HelpBrowser");
    setWindowTitle("Porvap 2.0 - Help");
    // The viewer must not keep the program alive once the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    browser_->setObjectName("HelpText");
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(760, 640);
}

void HelpBrowser::ShowContext(int context) {
    QUrl url = QUrl::fromLocalFile(manualPath_);
    url.setFragment(HelpAnchor(context));
    browser_->setSource(url);
    show();
    raise();
    activateWindow();
}

QUrl HelpBrowser::Source() const {
    return browser_->source();
}

}  // namespace porvap
