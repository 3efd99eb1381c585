#include "windows/version.h"

namespace quillora {

QString formatVersion(const Version &version)
{
    const QString numbers = QString::number(version.major) + u'.' + QString::number(version.minor)
        + u'.' + QString::number(version.bug);
    const QString n = QString::number(version.nonRelease);
    switch (version.stage) {
    case 0:
        return numbers + u" (Dev. " + n + u')';
    case 1:
        return numbers + u'a' + n;
    case 2:
        return numbers + u'b' + n;
    case 3:
        return numbers + u" (" + n + u')';
    default:
        return numbers;
    }
}

} // namespace quillora
