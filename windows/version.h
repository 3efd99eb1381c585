#pragma once

#include <QString>

namespace quillora {

/// A version of the program: major.minor.bug-fix, the release stage and the non-release build
/// number.
struct Version
{
    int major = 0;
    int minor = 0;
    int bug = 0;
    /// 0 development, 1 alpha, 2 beta, 3 final release.
    int stage = 0;
    int nonRelease = 0;
};

/// The version as the About window shows it: major.minor.bug-fix, all three always written,
/// then by stage: " (Dev. N)" for development (0), "aN" for alpha (1), "bN" for beta (2),
/// " (N)" for a final release (3) and nothing for any other stage, N being the non-release
/// number.
QString formatVersion(const Version &version);

} // namespace quillora
