#include "Pictures.h"

namespace lexaroo {

QString PicturePath(const QString& name)
{
    return QStringLiteral(":/pictures/") + name + QStringLiteral(".svg");
}

} // namespace lexaroo
