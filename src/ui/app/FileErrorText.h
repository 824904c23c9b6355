// Messages for a file that could not be read or written: what failed, which path, and why.
#pragma once

#include <QString>

#include "core/data/EditData.h"

namespace tavlor {

// "<action>\n文件：<path>\n原因：<reason>" followed by what the program does about it.
// `action` says what was being done ("读取武将数据失败！"), `consequence` what happens now.
QString DescribeFileProblem(const QString& action, const FileError& error, const QString& consequence);

}  // namespace tavlor
