#pragma once

#include <QString>

namespace quillora {

/// A text of the program's own from the application's resources, with its lines ended by a
/// carriage return (code 13), as the program's multi-line texts are. The files keep ordinary
/// line ends so that they read well in a diff. Empty when there is no such resource.
QString textResource(const QString &path);

} // namespace quillora
