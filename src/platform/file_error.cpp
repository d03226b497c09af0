#include "platform/file_error.h"

#include <cstring>

namespace kelvara {

std::string english_reason(const FileError& error) {
    switch (error.kind) {
        case FileError::Kind::None: return {};
        case FileError::Kind::System: {
            char buffer[256];
            // The GNU strerror_r returns the message, which may not be in buffer.
            return ::strerror_r(error.error_number, buffer, sizeof buffer);
        }
        case FileError::Kind::NotRegularFile: return "not a regular file";
        case FileError::Kind::TooLarge:
            if (error.limit >= (1u << 20) && error.limit % (1u << 20) == 0)
                return "larger than " + std::to_string(error.limit >> 20) + " MiB";
            return "larger than " + std::to_string(error.limit) + " bytes";
    }
    return {};
}

}  // namespace kelvara
