#pragma once
// The icons of the main window's toolbar buttons, by button key: the style's
// standard icons where one fits, small drawn pictograms for the rest.
#include <QIcon>
#include <QString>

class QStyle;

namespace tervalo::shell {

class ToolbarIcons {
public:
    static QIcon icon(const QString& key, const QStyle* style);
};

}  // namespace tervalo::shell
