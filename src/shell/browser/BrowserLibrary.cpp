#include "shell/browser/BrowserLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QOpenGLContext>
#include <QPluginLoader>

#include "core/RuntimeError.h"
#include "widgets/windows/WebBrowserWindow.h"

// Qt GUI's setter of the global share context (exported, not in a public header).
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace tervalo::shell {

namespace {

void deleteGlobalShareContext() {
    delete QOpenGLContext::globalShareContext();
    qt_gl_set_global_share_context(nullptr);
}

// WebEngine draws its pages in OpenGL contexts that share with the application's
// global share context, and crashes when there is none. A program that links
// WebEngine has it made with the QApplication (Qt::AA_ShareOpenGLContexts), which
// loads the OpenGL driver at every start; here it is made just before the library,
// the same way, so WebEngine finds it when it loads. No other OpenGL context exists
// in the program before the browser, so none misses the sharing. The attribute
// stays unset: after the QApplication it only warns, and what WebEngine and Qt's
// compositing use is the context itself. Where no context can be made (the
// offscreen platform, no OpenGL) the failed one stays: WebEngine then draws
// without OpenGL, as it does when the application's own context fails.
void makeGlobalShareContext() {
    if (QOpenGLContext::globalShareContext()) return;
    auto* context = new QOpenGLContext;
    context->create();
    qt_gl_set_global_share_context(context);
    // Deleted as the QGuiApplication ends, after WebEngine's own clean-up.
    qAddPostRoutine(deleteGlobalShareContext);
}

}  // namespace

QString webBrowserLibraryPath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(TERVALO_BROWSER_LIBRARY));
}

QWidget* makeWebBrowserWindow(widgets::AppContext& ctx) {
    makeGlobalShareContext();
    // Loaded once; the instance is the same for every loader of the file and
    // stays loaded until the program ends.
    QPluginLoader library(webBrowserLibraryPath());
    QObject* plugin = library.instance();
    if (!plugin) throw core::RuntimeError(core::ErrorCode::Other, library.errorString().toStdString());
    auto* maker = qobject_cast<widgets::WebBrowserWindowMaker*>(plugin);
    if (!maker)
        throw core::RuntimeError(core::ErrorCode::Other, QStringLiteral("%1 is not the program's web browser.")
                                                             .arg(QDir::toNativeSeparators(library.fileName()))
                                                             .toStdString());
    return maker->makeWindow(ctx);
}

}  // namespace tervalo::shell
