#include "app/file_error_text.h"

#include <cerrno>

namespace kelvara {

namespace {

struct ErrnoText {
    int error_number;
    const char16_t* text;
};

constexpr ErrnoText kErrnoTexts[] = {
    {ENOENT, u"文件或文件夹不存在"},
    {EACCES, u"没有权限"},
    {EPERM, u"没有权限"},
    {EISDIR, u"这是一个文件夹"},
    {ENOTDIR, u"路径中有一项不是文件夹"},
    {EEXIST, u"已有同名的文件"},
    {ENOSPC, u"磁盘空间不足"},
    {EDQUOT, u"超出了磁盘配额"},
    {EROFS, u"文件系统是只读的"},
    {EFBIG, u"文件超出了系统允许的大小"},
    {ENAMETOOLONG, u"文件名太长"},
    {ELOOP, u"符号链接太多"},
    {EMFILE, u"打开的文件太多"},
    {ENFILE, u"打开的文件太多"},
    {EIO, u"读写出错"},
    {EINVAL, u"内容无法写入"},
};

}  // namespace

QString chinese_reason(const FileError& error) {
    switch (error.kind) {
        case FileError::Kind::None: return {};
        case FileError::Kind::System:
            for (const ErrnoText& e : kErrnoTexts)
                if (e.error_number == error.error_number) return QString::fromUtf16(e.text);
            return QStringLiteral("系统错误（代码%1）").arg(error.error_number);
        case FileError::Kind::NotRegularFile: return QStringLiteral("不是普通文件");
        case FileError::Kind::TooLarge:
            return QStringLiteral("文件太大（超过%1 MB）").arg(static_cast<qulonglong>(error.limit >> 20));
    }
    return {};
}

}  // namespace kelvara
