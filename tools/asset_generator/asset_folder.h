#pragma once
// The folder the generator writes into. Every write either succeeds whole or throws.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

#include "platform/image.h"

namespace kelvara::generator {

class AssetFolder {
public:
    // Creates the folder when it does not exist yet.
    explicit AssetFolder(std::filesystem::path folder);
    void write(std::string_view name, std::span<const std::uint8_t> bytes) const;
    // At scale 2 or 3 the name gains "@2x" or "@3x" before its extension.
    void write_png(std::string_view name, const Image& image, int scale = 1) const;
    const std::filesystem::path& path() const { return folder_; }

private:
    std::filesystem::path folder_;
};

}  // namespace kelvara::generator
