#pragma once
#include <QString>

namespace lexaroo {

// Resource path of one of the program's pictures, which are SVG files
// compiled in under ":/pictures/": PicturePath("help") is
// ":/pictures/help.svg". Link lexaroo_pictures to have them.
QString PicturePath(const QString& name);

} // namespace lexaroo
