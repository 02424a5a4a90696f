// SPDX-License-Identifier: MIT
#include "file_names.h"

#include <filesystem>

namespace morvane {

QString FileNameOf(const QString &path)
{
    std::filesystem::path p(path.toStdU16String());
    p.replace_extension();
    return QString::fromStdU16String(p.u16string());
}

} // namespace morvane
