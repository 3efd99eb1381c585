#include "windows/pictures.h"
namespace quillora::pictures {
void release() {}
QIcon applicationIcon() { return {}; }
}
