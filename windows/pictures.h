#pragma once
// Placeholder until the pictures land.
#include <QIcon>
namespace quillora::pictures {
void release();
QIcon applicationIcon();
}
