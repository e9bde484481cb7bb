#pragma once
// The window shown while the program starts: picture, product name, version,
// platform, maker and legal notices. Borderless, centred on the screen.
#include <QWidget>

namespace tervalo::shell {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // "Version " + major + "." + minor + "." + revision of this build.
    static QString versionText();
};

}  // namespace tervalo::shell
