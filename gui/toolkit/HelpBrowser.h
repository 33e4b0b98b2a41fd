#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace porvap {

inline constexpr const char* kManualFileName = "manual.html";

// The manual's anchor for a help context: "context-1000".
QString HelpAnchor(int context);

// The user manual: next to the executable (a build tree), then in ../share/porvap/ (an
// installation). Empty when neither holds it.
QString LocateManual(const QString& executableDir);

// The user manual in a window of its own, opened at the section of a help context.
class HelpBrowser : public QWidget {
    Q_OBJECT

  public:
    explicit HelpBrowser(const QString& manualPath, QWidget* parent = nullptr);

    void ShowContext(int context);
    QUrl Source() const;

  private:
    QString manualPath_;
    QTextBrowser* browser_;
};

}  // namespace porvap
