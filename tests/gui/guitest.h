#pragma once

#include <QRegularExpression>
#include <QTest>

namespace quillora::test {

/// Makes every runtime warning fail the current test, except the offscreen platform's own notices
/// that it cannot pass size hints to a window manager or raise a window (it has no such thing).
inline void failOnWarnings()
{
    QTest::failOnWarning(QRegularExpression(
        QStringLiteral("^(?!This plugin does not support (propagateSizeHints|raise)\\(\\)$)")));
}

} // namespace quillora::test
