#pragma once

#include <QRegularExpression>
#include <QTest>

namespace quillora::test {

/// Makes every runtime warning fail the current test, except the offscreen platform's own notice
/// that it cannot pass size hints to a window manager (it has none).
inline void failOnWarnings()
{
    QTest::failOnWarning(QRegularExpression(
        QStringLiteral("^(?!This plugin does not support propagateSizeHints\\(\\)$)")));
}

} // namespace quillora::test
